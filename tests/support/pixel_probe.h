// Pixel probes on DCs and 32-bit memory surfaces to draw into and read back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace qtest {

// A memory DC with a top-down 32-bit DIB section selected; pixels() reads it directly.
class MemorySurface {
public:
    MemorySurface(int width, int height);
    ~MemorySurface();
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The raw pixel (0xAARRGGBB as stored by GDI and GDI+).
    std::uint32_t Raw(int x, int y) const;
    // Fills every pixel with the colour `paint(x, y)` returns (a COLORREF), opaque.
    template <class Paint>
    void FillWith(Paint paint) {
        GdiFlush();
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = paint(x, y);
                bits_[y * width_ + x] =
                    0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        }
    }
    void Fill(COLORREF color) {
        FillWith([color](int, int) { return color; });
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// The colour at (x, y) of any DC (GetPixel), CLR_INVALID outside its surface.
COLORREF PixelAt(HDC dc, int x, int y);

// Whether each of red, green and blue differ by at most `tolerance`.
bool ColorsNear(COLORREF a, COLORREF b, int tolerance);

// gtest check of one pixel: EXPECT_TRUE(PixelNear(dc, x, y, RGB(...))) prints both colours.
::testing::AssertionResult PixelNear(HDC dc, int x, int y, COLORREF expected, int tolerance = 2);

// `top` laid over `bottom` with `alpha` (0…255), as GDI+ blends an opaque destination.
COLORREF Blend(COLORREF top, int alpha, COLORREF bottom);

}  // namespace qtest
