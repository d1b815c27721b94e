// Graphics: transforms about a point, drawing and filling, text, images and clipping.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "tests/graphics/canvas.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/test_window.h"

namespace {

using namespace graphics;
using namespace gtest_graphics;

using SurfaceTest = GraphicsTest;

// Where the surface's world transform sends `point`.
PointF Mapped(Graphics& surface, PointF point) {
    std::vector<PointF> points = {point};
    surface.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points);
    return points[0];
}

// ScaleAt and RotateAt compose about their point, before (Prepend) or after (Append) the
// transform already set; here a translation by (5, 7).
TEST_F(SurfaceTest, ScaleAtAndRotateAtTurnAboutTheirPoint) {
    struct Case {
        const char* name;
        MatrixOrder order;
        bool rotate;
        PointF fixedFrom, fixedTo;  // the point and where it lands
        PointF otherFrom, otherTo;  // a point one unit to its right
    };
    const PointF p(10, 20);
    const std::vector<Case> cases = {
        // Prepend: about (10, 20) first, then the translation.
        {"ScaleAt prepend", Gdiplus::MatrixOrderPrepend, false, p, PointF(15, 27), PointF(11, 20), PointF(17, 27)},
        {"RotateAt prepend", Gdiplus::MatrixOrderPrepend, true, p, PointF(15, 27), PointF(11, 20), PointF(15, 28)},
        // Append: the translation first, then about (10, 20).
        {"ScaleAt append", Gdiplus::MatrixOrderAppend, false, PointF(5, 13), p, PointF(6, 13), PointF(12, 20)},
        {"RotateAt append", Gdiplus::MatrixOrderAppend, true, PointF(5, 13), p, PointF(6, 13), PointF(10, 21)},
    };
    for (const Case& c : cases) {
        Canvas canvas(8, 8);
        ASSERT_EQ(canvas.surface.TranslateWorldTransform(5, 7), 1);
        const int ok = c.rotate ? canvas.surface.RotateAt(90, p, c.order)
                                : canvas.surface.ScaleAt(2, 2, p, c.order);
        EXPECT_EQ(ok, 1) << c.name;
        const PointF fixed = Mapped(canvas.surface, c.fixedFrom);
        const PointF other = Mapped(canvas.surface, c.otherFrom);
        EXPECT_NEAR(fixed.X, c.fixedTo.X, 1e-3) << c.name;
        EXPECT_NEAR(fixed.Y, c.fixedTo.Y, 1e-3) << c.name;
        EXPECT_NEAR(other.X, c.otherTo.X, 1e-3) << c.name;
        EXPECT_NEAR(other.Y, c.otherTo.Y, 1e-3) << c.name;
    }
    Graphics empty;
    EXPECT_EQ(empty.ScaleAt(2, 2, p), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

// Each drawing operation paints inside its shape and leaves the background elsewhere.
TEST_F(SurfaceTest, ShapesPaintWhereTheyShould) {
    Pen pen;
    ASSERT_EQ(pen.CreatePen1(kRed, 3), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlue), 1);
    GraphicsPath triangle;
    ASSERT_EQ(triangle.CreatePath(), 1);
    triangle.AddPathPolygon({PointF(10, 10), PointF(50, 10), PointF(10, 50)});
    Region band;
    ASSERT_EQ(band.CreateRegionRectI(Rect(0, 20, 64, 10)), 1);

    struct Case {
        const char* name;
        std::function<int(Graphics&)> draw;
        Point inside, outside;
        ARGB color;
    };
    const std::vector<Case> cases = {
        {"DrawLine", [&](Graphics& g) { return g.DrawLine(pen, 5, 30, 60, 30); }, Point(30, 30), Point(30, 35), kRed},
        {"DrawLineI", [&](Graphics& g) { return g.DrawLineI(pen, 30, 5, 30, 60); }, Point(30, 50), Point(35, 50), kRed},
        {"DrawRectangle", [&](Graphics& g) { return g.DrawRectangle(pen, 10, 10, 40, 40); }, Point(10, 30), Point(30, 30), kRed},
        {"DrawEllipse", [&](Graphics& g) { return g.DrawEllipseI(pen, 10, 10, 40, 40); }, Point(30, 10), Point(30, 30), kRed},
        {"DrawLines", [&](Graphics& g) { return g.DrawLines(pen, {PointF(5, 5), PointF(60, 5), PointF(60, 60)}); }, Point(60, 30), Point(30, 30), kRed},
        {"DrawPath", [&](Graphics& g) { return g.DrawPath(pen, triangle); }, Point(30, 10), Point(20, 20), kRed},
        {"FillRectangle", [&](Graphics& g) { return g.FillRectangle(brush, 10, 10, 20, 20); }, Point(20, 20), Point(35, 20), kBlue},
        {"FillRectangleF", [&](Graphics& g) { return g.FillRectangleF(brush, RectF(10, 10, 20, 20)); }, Point(29, 29), Point(31, 31), kBlue},
        {"FillRectangleI", [&](Graphics& g) { return g.FillRectangleI(brush, 10, 10, 20, 20); }, Point(10, 10), Point(9, 9), kBlue},
        {"FillEllipse", [&](Graphics& g) { return g.FillEllipse(brush, 10, 10, 40, 40); }, Point(30, 30), Point(12, 12), kBlue},
        {"FillPolygon", [&](Graphics& g) { return g.FillPolygon(brush, {PointF(10, 10), PointF(50, 10), PointF(10, 50)}); }, Point(15, 15), Point(45, 45), kBlue},
        {"FillPath", [&](Graphics& g) { return g.FillPath(brush, triangle); }, Point(15, 15), Point(45, 45), kBlue},
        {"FillPie", [&](Graphics& g) { return g.FillPie(brush, 10, 10, 40, 40, 0, 90); }, Point(35, 35), Point(25, 25), kBlue},
        {"FillRegion", [&](Graphics& g) { return g.FillRegion(brush, band); }, Point(5, 25), Point(5, 35), kBlue},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        EXPECT_EQ(c.draw(canvas.surface), 1) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(c.inside.X, c.inside.Y), c.color)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(c.outside.X, c.outside.Y), kWhite)) << c.name;
    }
}

// Clipping limits every later fill; ResetClip lifts it.
TEST_F(SurfaceTest, ClippingLimitsFills) {
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kGreen), 1);
    GraphicsPath circle;
    ASSERT_EQ(circle.CreatePath(), 1);
    circle.AddPathEllipse(0, 0, 64, 64);
    Region region;
    ASSERT_EQ(region.CreateRegionRect(RectF(40, 0, 24, 64)), 1);

    struct Case {
        const char* name;
        std::function<int(Graphics&)> clip;
        Point painted, untouched;
    };
    const std::vector<Case> cases = {
        {"SetClipRect", [](Graphics& g) { return g.SetClipRect(0, 0, 32, 64); }, Point(10, 10), Point(50, 10)},
        {"SetClipRectI intersect", [](Graphics& g) { g.SetClipRectI(0, 0, 32, 64); return g.SetClipRectI(0, 0, 64, 32, Gdiplus::CombineModeIntersect); }, Point(10, 10), Point(10, 50)},
        {"SetClipPath", [&](Graphics& g) { return g.SetClipPath(circle); }, Point(32, 32), Point(2, 2)},
        {"SetClipRegion", [&](Graphics& g) { return g.SetClipRegion(region); }, Point(50, 50), Point(20, 50)},
        {"ResetClip", [](Graphics& g) { g.SetClipRect(0, 0, 1, 1); return g.ResetClip(); }, Point(50, 50), Point(-1, -1)},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        EXPECT_EQ(c.clip(canvas.surface), 1) << c.name;
        ASSERT_EQ(canvas.surface.FillRectangleI(brush, 0, 0, 64, 64), 1) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(c.painted.X, c.painted.Y), kGreen)) << c.name;
        if (c.untouched.X >= 0) {
            EXPECT_TRUE(ArgbNear(canvas.Pixel(c.untouched.X, c.untouched.Y), kWhite)) << c.name;
        }
    }
}

// Text in code page 936 draws exactly the glyphs of its UTF-16 form.
TEST_F(SurfaceTest, AnsiTextDrawsTheSameGlyphsAsItsUtf16Form) {
    Font font;
    ASSERT_EQ(font.CreateFontByName("宋体", 16, 0, Gdiplus::UnitPixel), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlack), 1);
    const std::wstring wide = L"\u6587\u5B57 Ab";  // 文字 Ab
    const Bytes utf16 = WideToBytes(wide);
    const RectF layout(0, 0, 96, 32);

    Canvas ansi(96, 32);
    Canvas unicode(96, 32);
    ASSERT_EQ(ansi.surface.DrawString("文字 Ab", font, brush, layout), 1);
    ASSERT_EQ(unicode.surface.DrawStringW(utf16, font, brush, layout), 1);
    int inked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 96; ++x) {
            const ARGB pixel = ansi.Pixel(x, y);
            ASSERT_EQ(pixel, unicode.Pixel(x, y)) << x << ", " << y;
            if (pixel != kWhite) ++inked;
        }
    }
    EXPECT_GT(inked, 20) << "the text was drawn";

    RectF ansiBounds, unicodeBounds, emptyBounds;
    ASSERT_EQ(ansi.surface.MeasureString("文字 Ab", font, layout, nullptr, ansiBounds), 1);
    ASSERT_EQ(ansi.surface.MeasureStringW(utf16, font, layout, nullptr, unicodeBounds), 1);
    ASSERT_EQ(ansi.surface.MeasureString("文", font, layout, nullptr, emptyBounds), 1);
    EXPECT_FLOAT_EQ(ansiBounds.Width, unicodeBounds.Width);
    EXPECT_GT(ansiBounds.Width, emptyBounds.Width);
}

// MeasureCharacterRanges gives one region per range, in text order; nothing on bad counts.
TEST_F(SurfaceTest, MeasureCharacterRangesReplacesTheRegionList) {
    Canvas canvas(200, 40);
    Font font;
    ASSERT_EQ(font.CreateFontByName("宋体", 16, 0, Gdiplus::UnitPixel), 1);
    StringFormat format;
    ASSERT_EQ(format.CreateStringFormat(), 1);
    ASSERT_EQ(format.SetStringFormatMeasurableCharacterRanges({CharacterRange(0, 2), CharacterRange(3, 2)}), 1);
    const RectF layout(0, 0, 200, 40);

    std::vector<Region> regions(1);
    EXPECT_EQ(canvas.surface.MeasureCharacterRanges("ab cd", font, layout, &format, 0, regions), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(regions.size(), 1u) << "left as it was";

    ASSERT_EQ(canvas.surface.MeasureCharacterRanges("ab cd", font, layout, &format, 2, regions), 1);
    ASSERT_EQ(regions.size(), 2u);
    RectF first, second;
    ASSERT_EQ(regions[0].GetRegionBounds(canvas.surface, first), 1);
    ASSERT_EQ(regions[1].GetRegionBounds(canvas.surface, second), 1);
    EXPECT_GT(first.Width, 0);
    EXPECT_GE(second.X, first.X + first.Width);

    const Bytes wide = WideToBytes(L"ab cd");
    std::vector<Region> fromWide;
    ASSERT_EQ(canvas.surface.MeasureCharacterRangesW(wide, font, layout, &format, 2, fromWide), 1);
    RectF wideSecond;
    fromWide[1].GetRegionBounds(canvas.surface, wideSecond);
    EXPECT_FLOAT_EQ(wideSecond.X, second.X);
}

// Driver strings need a position per character unless GDI+ advances by itself.
TEST_F(SurfaceTest, DrawDriverStringRefusesTooFewPositions) {
    Canvas canvas(64, 32);
    Font font;
    ASSERT_EQ(font.CreateFontByName("宋体", 16, 0, Gdiplus::UnitPixel), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlack), 1);
    EXPECT_EQ(canvas.surface.DrawDriverString("ABC", font, brush, {PointF(2, 20)}), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(canvas.surface.DrawDriverString("ABC", font, brush, {PointF(2, 20), PointF(20, 20), PointF(38, 20)}), 1);
}

// DrawImageRect without a unit scales the whole image into the rectangle, in pixels.
TEST_F(SurfaceTest, DrawImageRectScalesTheWholeImage) {
    Bitmap quadrants;
    ASSERT_EQ(quadrants.CreateBlankBitmap(4, 4), 1);
    const ARGB colors[2][2] = {{kRed, kGreen}, {kBlue, kBlack}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) quadrants.BitmapSetPixel(x, y, colors[y / 2][x / 2]);
    }
    struct Case {
        const char* name;
        std::function<int(Graphics&)> draw;
    };
    const std::vector<Case> cases = {
        {"DrawImageRect", [&](Graphics& g) { return g.DrawImageRect(quadrants, 8, 8, 40, 40); }},
        {"DrawImageRectI", [&](Graphics& g) { return g.DrawImageRectI(quadrants, 8, 8, 40, 40); }},
        {"DrawImageRectRect", [&](Graphics& g) { return g.DrawImageRectRect(quadrants, 8, 8, 40, 40, 0, 0, 4, 4); }},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        canvas.surface.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        ASSERT_EQ(c.draw(canvas.surface), 1) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(16, 16), kRed)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(40, 16), kGreen)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(16, 40), kBlue)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(40, 40), kBlack)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(4, 4), kWhite)) << c.name;
        EXPECT_TRUE(ArgbNear(canvas.Pixel(52, 52), kWhite)) << c.name;
    }
    Canvas canvas;
    ASSERT_EQ(canvas.surface.DrawImage(quadrants, 10, 10), 1);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(13, 13), kBlack));
}

// A surface made on a device context draws into its bitmap.
TEST_F(SurfaceTest, SurfaceOnADeviceContextDrawsIntoIt) {
    qtest::MemorySurface memory(32, 32);
    memory.Fill(RGB(255, 255, 255));
    Graphics surface;
    ASSERT_EQ(surface.CreateFromHDC(memory.dc()), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlue), 1);
    ASSERT_EQ(surface.FillRectangleI(brush, 0, 0, 16, 32), 1);
    ASSERT_EQ(surface.DeleteGraphics(), 1);
    EXPECT_TRUE(qtest::PixelNear(memory.dc(), 8, 8, RGB(0, 0, 255)));
    EXPECT_TRUE(qtest::PixelNear(memory.dc(), 24, 8, RGB(255, 255, 255)));
    EXPECT_EQ(surface.CreateFromHDC(nullptr), 0);
    EXPECT_EQ(surface.nativeGraphics, nullptr);
}

// A surface on a window draws into its client area; its device context can be borrowed.
TEST_F(SurfaceTest, SurfaceOnAWindowDrawsIntoItsClientArea) {
    qtest::TestWindow window(200, 150);
    ASSERT_NE(window.hwnd(), nullptr);
    for (int useIcm : {0, 1}) {
        Graphics surface;
        ASSERT_EQ(surface.CreateFromHWND(window.hwnd(), useIcm), 1) << useIcm;
        SolidBrush brush;
        ASSERT_EQ(brush.CreateSolidFill(useIcm ? kRed : kBlue), 1);
        ASSERT_EQ(surface.FillRectangleI(brush, 0, 0, 40, 40), 1);
        surface.Flush(Gdiplus::FlushIntentionSync);
        HDC dc = surface.GetDC();
        ASSERT_NE(dc, nullptr);
        EXPECT_TRUE(qtest::PixelNear(dc, 20, 20, useIcm ? RGB(255, 0, 0) : RGB(0, 0, 255)));
        EXPECT_EQ(surface.ReleaseDC(dc), 1);
    }
}

// Setters and getters of one value meet the same GDI+ property.
TEST_F(SurfaceTest, SettersAndGettersMeet) {
    Canvas canvas(4, 4);
    Graphics& g = canvas.surface;
    ASSERT_EQ(g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias), 1);
    EXPECT_EQ(g.GetSmoothingMode(), Gdiplus::SmoothingModeAntiAlias);
    ASSERT_EQ(g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic), 1);
    EXPECT_EQ(g.GetInterpolationMode(), Gdiplus::InterpolationModeHighQualityBicubic);
    ASSERT_EQ(g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf), 1);
    EXPECT_EQ(g.GetPixelOffsetMode(), Gdiplus::PixelOffsetModeHalf);
    ASSERT_EQ(g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy), 1);
    EXPECT_EQ(g.GetCompositingMode(), Gdiplus::CompositingModeSourceCopy);
    ASSERT_EQ(g.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality), 1);
    EXPECT_EQ(g.GetCompositingQuality(), Gdiplus::CompositingQualityHighQuality);
    ASSERT_EQ(g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias), 1);
    EXPECT_EQ(g.GetTextRenderingHint(), Gdiplus::TextRenderingHintAntiAlias);
    ASSERT_EQ(g.SetPageUnit(Gdiplus::UnitPixel), 1);
    EXPECT_EQ(g.GetPageUnit(), Gdiplus::UnitPixel);
    ASSERT_EQ(g.SetPageScale(2), 1);
    EXPECT_FLOAT_EQ(g.GetPageScale(), 2);
    ASSERT_EQ(g.SetRenderingOrigin(3, 4), 1);
    int x = 0, y = 0;
    ASSERT_EQ(g.GetRenderingOrigin(x, y), 1);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_GT(g.GetDpiX(), 0);
}

}  // namespace
