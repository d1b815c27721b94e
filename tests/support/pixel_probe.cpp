// Pixel probes on DCs and 32-bit memory surfaces to draw into and read back.
#include "tests/support/pixel_probe.h"

#include <cstdio>
#include <cstdlib>

namespace qtest {

MemorySurface::MemorySurface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
}

MemorySurface::~MemorySurface() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

std::uint32_t MemorySurface::Raw(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
}

COLORREF PixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

bool ColorsNear(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

::testing::AssertionResult PixelNear(HDC dc, int x, int y, COLORREF expected, int tolerance) {
    const COLORREF actual = PixelAt(dc, x, y);
    if (actual != CLR_INVALID && ColorsNear(actual, expected, tolerance)) {
        return ::testing::AssertionSuccess();
    }
    char text[160];
    std::snprintf(text, sizeof text, "pixel (%d, %d) is RGB(%d, %d, %d), expected RGB(%d, %d, %d) +-%d",
                  x, y, GetRValue(actual), GetGValue(actual), GetBValue(actual),
                  GetRValue(expected), GetGValue(expected), GetBValue(expected), tolerance);
    if (actual == CLR_INVALID) {
        std::snprintf(text, sizeof text, "pixel (%d, %d) cannot be read", x, y);
    }
    return ::testing::AssertionFailure() << text;
}

COLORREF Blend(COLORREF top, int alpha, COLORREF bottom) {
    auto mix = [alpha](int t, int b) { return (t * alpha + b * (255 - alpha) + 127) / 255; };
    return RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
               mix(GetBValue(top), GetBValue(bottom)));
}

}  // namespace qtest
