// Test canvas: GDI+ running, a 32-bit ARGB bitmap and a surface drawing into it.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "graphics/graphics.h"
#include "tests/support/gdiplus_session.h"

namespace gtest_graphics {

constexpr int kOk = 0;
constexpr int kInvalidParameter = 2;
constexpr int kUnknownImageFormat = 13;

constexpr graphics::ARGB kWhite = 0xFFFFFFFF;
constexpr graphics::ARGB kRed = 0xFFFF0000;
constexpr graphics::ARGB kGreen = 0xFF00FF00;
constexpr graphics::ARGB kBlue = 0xFF0000FF;
constexpr graphics::ARGB kBlack = 0xFF000000;

// Whether alpha, red, green and blue each differ by at most `tolerance`.
inline testing::AssertionResult ArgbNear(graphics::ARGB actual, graphics::ARGB expected,
                                         int tolerance = 2) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = (actual >> shift) & 0xFF;
        const int e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) {
            char text[80];
            std::snprintf(text, sizeof text, "0x%08lX, expected 0x%08lX +-%d",
                          static_cast<unsigned long>(actual),
                          static_cast<unsigned long>(expected), tolerance);
            return testing::AssertionFailure() << text;
        }
    }
    return testing::AssertionSuccess();
}

// Wine's gdiplus.dll leaves a few operations unimplemented; tests mark where they differ.
inline bool RunningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// GDI+ must be running before any wrapper is made, and after the last one is gone.
class GraphicsTest : public testing::Test {
protected:
    qtest::GdiplusSession session;
};

// A width x height bitmap cleared to `background`, with a surface on it.
struct Canvas {
    explicit Canvas(int width = 64, int height = 64, graphics::ARGB background = kWhite) {
        EXPECT_EQ(bitmap.CreateBlankBitmap(width, height), 1);
        EXPECT_EQ(surface.GetImageGraphicsContext(bitmap), 1);
        surface.GraphicsClear(background);
    }
    graphics::ARGB Pixel(int x, int y) {
        surface.Flush();
        return bitmap.BitmapGetPixel(x, y);
    }

    graphics::Bitmap bitmap;
    graphics::Graphics surface;
};

}  // namespace gtest_graphics
