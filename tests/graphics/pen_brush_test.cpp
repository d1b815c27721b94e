// Pen and the brushes: what they paint, their blends and their transforms about a point.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "graphics/graphics.h"
#include "tests/graphics/canvas.h"

namespace {

using namespace graphics;
using namespace gtest_graphics;
using Gdiplus::DllExports::GdipCreateMatrix;
using Gdiplus::DllExports::GdipDeleteMatrix;
using Gdiplus::DllExports::GdipTransformMatrixPoints;

using PenBrushTest = GraphicsTest;

int Red(ARGB color) { return (color >> 16) & 0xFF; }

TEST_F(PenBrushTest, PenDefaultsToWorldUnitsAndKeepsItsSettings) {
    Pen pen;
    ASSERT_EQ(pen.CreatePen1(kRed, 2), 1);
    EXPECT_EQ(pen.GetPenUnit(), Gdiplus::UnitWorld);
    ASSERT_EQ(pen.SetPenDashArray({3, 1, 2}), 1);
    std::vector<float> dashes;
    ASSERT_EQ(pen.GetPenDashArray(dashes), 1);
    EXPECT_EQ(dashes, (std::vector<float>{3, 1, 2}));
    ASSERT_EQ(pen.SetPenCompoundArray({0, 0.25f, 0.75f, 1}), 1);
    std::vector<float> compounds;
    ASSERT_EQ(pen.GetPenCompoundArray(compounds), 1);
    EXPECT_EQ(compounds, (std::vector<float>{0, 0.25f, 0.75f, 1}));
    ASSERT_EQ(pen.SetPenLineCap197819(Gdiplus::LineCapRound, Gdiplus::LineCapSquare, Gdiplus::DashCapTriangle), 1);
    EXPECT_EQ(pen.GetPenStartCap(), Gdiplus::LineCapRound);
    EXPECT_EQ(pen.GetPenEndCap(), Gdiplus::LineCapSquare);
    EXPECT_EQ(pen.GetPenDashCap197819(), Gdiplus::DashCapTriangle);
    ASSERT_EQ(pen.SetPenLineJoin(Gdiplus::LineJoinRound), 1);
    EXPECT_EQ(pen.GetPenLineJoin(), Gdiplus::LineJoinRound);

    Pen wide;
    ASSERT_EQ(wide.CreatePen1(kRed, 1, Gdiplus::UnitPixel), 1);
    EXPECT_EQ(wide.GetPenUnit(), Gdiplus::UnitPixel);
    ASSERT_EQ(wide.SetPenWidth(9), 1);
    Canvas canvas;
    ASSERT_EQ(canvas.surface.DrawLine(wide, 0, 30, 64, 30), 1);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(20, 26), kRed)) << "nine pixels wide";
    EXPECT_TRUE(ArgbNear(canvas.Pixel(20, 36), kWhite));
}

// A pen made from a brush strokes with that brush, and hands out a copy of it.
TEST_F(PenBrushTest, PenFromABrushStrokesWithIt) {
    SolidBrush green;
    ASSERT_EQ(green.CreateSolidFill(kGreen), 1);
    Pen pen;
    ASSERT_EQ(pen.CreatePen2(green, 5), 1);
    EXPECT_EQ(pen.GetPenFillType(), Gdiplus::PenTypeSolidColor);
    SolidBrush fill;
    ASSERT_EQ(pen.GetPenBrushFill(fill), 1);
    ASSERT_EQ(green.DeleteBrush(), 1);
    EXPECT_EQ(fill.GetSolidFillColor(), kGreen);
    EXPECT_EQ(fill.GetBrushType(), Gdiplus::BrushTypeSolidColor);
    Canvas canvas;
    ASSERT_EQ(canvas.surface.DrawLineI(pen, 0, 10, 64, 10), 1);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(30, 10), kGreen));
}

// A horizontal black-to-white gradient lightens from left to right and repeats (tiles).
TEST_F(PenBrushTest, LinearGradientBlendsAlongItsLine) {
    LinearGradientBrush brush;
    ASSERT_EQ(brush.CreateLineBrush(PointF(0, 0), PointF(32, 0), kBlack, kWhite), 1);
    EXPECT_EQ(brush.GetLineWrapMode(), Gdiplus::WrapModeTile);
    ARGB first = 0, second = 0;
    ASSERT_EQ(brush.GetLineColors(first, second), 1);
    EXPECT_EQ(first, kBlack);
    EXPECT_EQ(second, kWhite);
    Canvas canvas;
    ASSERT_EQ(canvas.surface.FillRectangleI(brush, 0, 0, 64, 8), 1);
    EXPECT_LT(Red(canvas.Pixel(2, 4)), 40);
    EXPECT_NEAR(Red(canvas.Pixel(16, 4)), 128, 24);
    EXPECT_GT(Red(canvas.Pixel(30, 4)), 215);
    EXPECT_LT(Red(canvas.Pixel(34, 4)), 40) << "tiled";

    LinearGradientBrush vertical;
    ASSERT_EQ(vertical.CreateLineBrushFromRectI(Rect(0, 0, 8, 64), kRed, kBlue, Gdiplus::LinearGradientModeVertical), 1);
    Canvas column;
    ASSERT_EQ(column.surface.FillRectangleI(vertical, 0, 0, 8, 64), 1);
    EXPECT_GT(Red(column.Pixel(4, 2)), Red(column.Pixel(4, 60)));
}

// Preset blends pass the colour count; a position list shorter than the colours is refused.
TEST_F(PenBrushTest, PresetBlendCountsTheColours) {
    LinearGradientBrush brush;
    ASSERT_EQ(brush.CreateLineBrushFromRect(RectF(0, 0, 64, 8), kRed, kBlue, Gdiplus::LinearGradientModeHorizontal), 1);
    ASSERT_EQ(brush.SetLinePresetBlend({kRed, kGreen, kBlue}, {0, 0.5f, 1, 1}), 1);
    EXPECT_EQ(brush.GetLinePresetBlendCount(), 3);
    std::vector<ARGB> colors;
    std::vector<float> positions;
    ASSERT_EQ(brush.GetLinePresetBlend(colors, positions), 1);
    EXPECT_EQ(colors, (std::vector<ARGB>{kRed, kGreen, kBlue}));
    EXPECT_EQ(positions, (std::vector<float>{0, 0.5f, 1}));
    Canvas canvas;
    canvas.surface.FillRectangleI(brush, 0, 0, 64, 8);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(32, 4), kGreen, 16));

    EXPECT_EQ(brush.SetLinePresetBlend({kRed, kGreen, kBlue}, {0, 1}), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(brush.SetLineBlend({0, 1, 0}, {0, 1}), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(brush.GetLinePresetBlendCount(), 3) << "unchanged";
}

// A path gradient shows its centre colour in the middle and its surround colour at the edge.
TEST_F(PenBrushTest, PathGradientRunsFromCentreToEdge) {
    GraphicsPath square;
    ASSERT_EQ(square.CreatePath(), 1);
    square.AddPathRectangle(0, 0, 64, 64);
    PathGradientBrush brush;
    ASSERT_EQ(brush.CreatePathGradientFromPath(square), 1);
    ASSERT_EQ(brush.SetPathGradientCenterColor(kRed), 1);
    ASSERT_EQ(brush.SetPathGradientSurroundColorsWithCount({kBlue}), 1);
    EXPECT_EQ(brush.GetPathGradientCenterColor(), kRed);
    std::vector<ARGB> surround;
    ASSERT_EQ(brush.GetPathGradientSurroundColorsWithCount(surround), 1);
    EXPECT_EQ(surround.front(), kBlue);
    Canvas canvas;
    ASSERT_EQ(canvas.surface.FillRectangleI(brush, 0, 0, 64, 64), 1);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(32, 32), kRed, 24));
    EXPECT_TRUE(ArgbNear(canvas.Pixel(1, 32), kBlue, 24));
    PointF centre;
    ASSERT_EQ(brush.GetPathGradientCenterPoint(centre), 1);
    EXPECT_FLOAT_EQ(centre.X, 32);
    ASSERT_EQ(brush.SetPathGradientCenterPointI(Point(10, 20)), 1);
    ASSERT_EQ(brush.GetPathGradientCenterPoint(centre), 1);
    EXPECT_FLOAT_EQ(centre.Y, 20);
}

// Without a count every colour is passed; a count is written back; one beyond the list is
// refused before GDI+ could read past it.
TEST_F(PenBrushTest, SurroundColourCountDefaultsToTheList) {
    PathGradientBrush brush;
    ASSERT_EQ(brush.CreatePathGradient({PointF(0, 0), PointF(20, 0), PointF(20, 20), PointF(0, 20)}), 1);
    ASSERT_EQ(brush.SetPathGradientSurroundColorsWithCount({kRed, kGreen, kBlue}), 1);
    std::vector<ARGB> colors;
    ASSERT_EQ(brush.GetPathGradientSurroundColorsWithCount(colors), 1);
    EXPECT_EQ(std::vector<ARGB>(colors.begin(), colors.begin() + 3), (std::vector<ARGB>{kRed, kGreen, kBlue}));
    int count = 2;
    ASSERT_EQ(brush.SetPathGradientSurroundColorsWithCount({kBlack, kWhite, kRed}, &count), 1);
    EXPECT_EQ(count, 2);
    count = 4;
    EXPECT_EQ(brush.SetPathGradientSurroundColorsWithCount({kBlack, kWhite}, &count), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

// Scale and rotation about a point keep that point where it was, for each kind of transform.
TEST_F(PenBrushTest, TransformsAboutAPointKeepThePoint) {
    Pen pen;
    ASSERT_EQ(pen.CreatePen1(kBlack, 1), 1);
    LinearGradientBrush line;
    ASSERT_EQ(line.CreateLineBrush(PointF(0, 0), PointF(40, 40), kBlack, kWhite), 1);
    GraphicsPath square;
    ASSERT_EQ(square.CreatePath(), 1);
    square.AddPathRectangle(0, 0, 40, 40);
    PathGradientBrush radial;
    ASSERT_EQ(radial.CreatePathGradientFromPath(square), 1);
    const PointF centre(20, 20);

    using Apply = std::function<int(MatrixOrder)>;
    using Read = std::function<int(Gdiplus::GpMatrix*)>;
    struct Case {
        const char* name;
        Apply apply;
        Read read;
        bool notImplementedOnWine = false;  // Wine's GdipRotateLineTransform is a stub
    };
    const std::vector<Case> cases = {
        {"RotatePenTransformAt", [&](MatrixOrder o) { return pen.RotatePenTransformAt(90, centre, o); }, [&](Gdiplus::GpMatrix* m) { return pen.GetPenTransform(m); }},
        {"ScalePenTransformAt", [&](MatrixOrder o) { return pen.ScalePenTransformAt(2, 3, centre, o); }, [&](Gdiplus::GpMatrix* m) { return pen.GetPenTransform(m); }},
        {"RotateLineTransformAt", [&](MatrixOrder o) { return line.RotateLineTransformAt(90, centre, o); }, [&](Gdiplus::GpMatrix* m) { return line.GetLineTransform(m); }, true},
        {"ScaleLineTransformAt", [&](MatrixOrder o) { return line.ScaleLineTransformAt(2, 3, centre, o); }, [&](Gdiplus::GpMatrix* m) { return line.GetLineTransform(m); }},
        {"RotatePathGradientTransformAt", [&](MatrixOrder o) { return radial.RotatePathGradientTransformAt(90, centre, o); }, [&](Gdiplus::GpMatrix* m) { return radial.GetPathGradientTransform(m); }},
        {"ScalePathGradientTransformAt", [&](MatrixOrder o) { return radial.ScalePathGradientTransformAt(2, 3, centre, o); }, [&](Gdiplus::GpMatrix* m) { return radial.GetPathGradientTransform(m); }},
    };
    const MatrixOrder orders[] = {Gdiplus::MatrixOrderAppend, Gdiplus::MatrixOrderPrepend};
    Gdiplus::GpMatrix* matrix = nullptr;
    ASSERT_EQ(GdipCreateMatrix(&matrix), Gdiplus::Ok);
    for (const Case& c : cases) {
        for (MatrixOrder order : orders) {
            pen.ResetPenTransform();
            line.ResetLineTransform();
            radial.ResetPathGradientTransform();
            if (c.notImplementedOnWine && RunningOnWine()) {
                EXPECT_EQ(c.apply(order), 0) << c.name << ": a refused step is not reported as done";
                EXPECT_EQ(lastStatus, Gdiplus::NotImplemented);
                continue;
            }
            EXPECT_EQ(c.apply(order), 1) << c.name << " order " << order;
            ASSERT_EQ(c.read(matrix), 1) << c.name;
            PointF points[2] = {centre, PointF(21, 20)};
            GdipTransformMatrixPoints(matrix, points, 2);
            EXPECT_NEAR(points[0].X, 20, 1e-3) << c.name << " order " << order;
            EXPECT_NEAR(points[0].Y, 20, 1e-3) << c.name << " order " << order;
            EXPECT_GT(std::abs(points[1].X - 21) + std::abs(points[1].Y - 20), 0.5f) << c.name << ": other points move";
        }
    }
    GdipDeleteMatrix(matrix);
}

// Clones are separate brushes; each is deleted on its own.
TEST_F(PenBrushTest, ClonedBrushesAreIndependent) {
    SolidBrush original;
    ASSERT_EQ(original.CreateSolidFill(kRed), 1);
    SolidBrush copy;
    ASSERT_EQ(original.CloneBrush(copy), 1);
    EXPECT_NE(copy.nativeBrush, original.nativeBrush);
    ASSERT_EQ(original.SetSolidFillColor(kBlue), 1);
    EXPECT_EQ(copy.GetSolidFillColor(), kRed);
    Pen pen, penCopy;
    ASSERT_EQ(pen.CreatePen1(kRed, 3), 1);
    ASSERT_EQ(pen.ClonePen(penCopy), 1);
    ASSERT_EQ(pen.DeletePen(), 1);
    EXPECT_FLOAT_EQ(penCopy.GetPenWidth(), 3);
}

}  // namespace
