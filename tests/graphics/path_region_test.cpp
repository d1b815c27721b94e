// GraphicsPath and Region: figures, rounded rectangles, text outlines and areas.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/graphics.h"
#include "tests/graphics/canvas.h"

namespace {

using namespace graphics;
using namespace gtest_graphics;

using PathRegionTest = GraphicsTest;

// The corner ellipses are the percentage of width and height, clamped to 1..100: the first
// arc runs from the top edge into the right edge.
TEST_F(PathRegionTest, RoundedRectangleCornersFollowThePercentage) {
    struct Case {
        int percent;
        PointF arcStart, arcEnd;  // first and last point of the top-right arc
    };
    const std::vector<Case> cases = {
        {20, PointF(90, 0), PointF(100, 5)},    // 20 x 10 corners
        {0, PointF(99.5f, 0), PointF(100, 0)},  // 1 % of the size: 1 x 0, flat arcs
        {-5, PointF(99.5f, 0), PointF(100, 0)},
        {150, PointF(50, 0), PointF(100, 25)},  // 100 %: one ellipse
    };
    for (const Case& c : cases) {
        GraphicsPath path;
        ASSERT_EQ(path.CreatePath(), 1);
        EXPECT_EQ(path.AddRoundedRectangle(0, 0, 100, 50, c.percent), 1) << c.percent;
        std::vector<PointF> points;
        ASSERT_EQ(path.GetPathPoints(points), 1);
        ASSERT_GE(points.size(), 4u) << c.percent;
        EXPECT_NEAR(points[0].X, c.arcStart.X, 1e-3) << c.percent;
        EXPECT_NEAR(points[0].Y, c.arcStart.Y, 1e-3) << c.percent;
        EXPECT_NEAR(points[3].X, c.arcEnd.X, 1e-3) << c.percent;
        EXPECT_NEAR(points[3].Y, c.arcEnd.Y, 1e-3) << c.percent;
        std::vector<BYTE> types;
        ASSERT_EQ(path.GetPathTypes(types), 1);
        EXPECT_NE(types.back() & Gdiplus::PathPointTypeCloseSubpath, 0) << "the figure is closed";
        RectF bounds;
        ASSERT_EQ(path.GetPathWorldBounds(bounds), 1);
        EXPECT_NEAR(bounds.Width, 100, 1e-3);
        EXPECT_NEAR(bounds.Height, 50, 1e-3);
    }
    GraphicsPath empty;
    EXPECT_EQ(empty.AddRoundedRectangle(0, 0, 100, 50, 20), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

TEST_F(PathRegionTest, FilledRoundedRectangleLeavesItsCorners) {
    GraphicsPath path;
    ASSERT_EQ(path.CreatePath(), 1);
    ASSERT_EQ(path.AddRoundedRectangle(0, 0, 64, 64, 50), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlue), 1);
    Canvas canvas;
    ASSERT_EQ(canvas.surface.FillPath(brush, path), 1);
    EXPECT_TRUE(ArgbNear(canvas.Pixel(32, 32), kBlue));
    EXPECT_TRUE(ArgbNear(canvas.Pixel(32, 1), kBlue));
    EXPECT_TRUE(ArgbNear(canvas.Pixel(2, 2), kWhite));
    EXPECT_TRUE(ArgbNear(canvas.Pixel(61, 61), kWhite));
}

// Path data comes out as points with one type each; creating from data checks the lengths.
TEST_F(PathRegionTest, PathDataRoundTrips) {
    GraphicsPath path;
    ASSERT_EQ(path.CreatePath(Gdiplus::FillModeWinding), 1);
    EXPECT_EQ(path.GetPathFillMode(), Gdiplus::FillModeWinding);
    ASSERT_EQ(path.AddPathRectangleI(1, 2, 3, 4), 1);
    PathData data;
    ASSERT_EQ(path.GetPathData(data), 1);
    ASSERT_EQ(data.count, 4);
    ASSERT_EQ(data.points.size(), 4u);
    EXPECT_FLOAT_EQ(data.points[2].X, 4);
    EXPECT_FLOAT_EQ(data.points[2].Y, 6);
    EXPECT_EQ(data.types[0], Gdiplus::PathPointTypeStart);

    GraphicsPath copy;
    ASSERT_EQ(copy.CreatePath2(data.points, data.types), 1);
    EXPECT_EQ(copy.GetPointCount(), 4);
    EXPECT_EQ(copy.IsVisiblePathPoint(2, 3), 1);
    EXPECT_EQ(copy.IsVisiblePathPoint(9, 9), 0);
    EXPECT_EQ(lastStatus, kOk);

    GraphicsPath refused;
    EXPECT_EQ(refused.CreatePath2(data.points, {0, 1}), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(refused.nativePath, nullptr);

    PathData unchanged;
    unchanged.count = 7;
    GraphicsPath empty;
    EXPECT_EQ(empty.GetPathData(unchanged), 0);
    EXPECT_EQ(unchanged.count, 7);
}

// Text outlines come out the same from code page 936 text and from its UTF-16 form.
TEST_F(PathRegionTest, TextOutlinesFromBothTextForms) {
    FontFamily family;
    ASSERT_EQ(family.CreateFontFamilyFromName("宋体"), 1);
    GraphicsPath ansi, unicode;
    ASSERT_EQ(ansi.CreatePath(), 1);
    ASSERT_EQ(unicode.CreatePath(), 1);
    ASSERT_EQ(ansi.AddPathString("文A", family, 24, RectF(0, 0, 64, 32), 0), 1);
    ASSERT_EQ(unicode.AddPathStringIW(WideToBytes(L"\u6587A"), family, 24, Rect(0, 0, 64, 32), 0), 1);
    EXPECT_GT(ansi.GetPointCount(), 8);
    EXPECT_EQ(ansi.GetPointCount(), unicode.GetPointCount());
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlack), 1);
    Canvas canvas(64, 32);
    ASSERT_EQ(canvas.surface.FillPath(brush, ansi), 1);
    int inked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) inked += canvas.Pixel(x, y) != kWhite;
    }
    EXPECT_GT(inked, 20);
}

TEST_F(PathRegionTest, RegionsCombineAndAnswerHitTests) {
    Region region;
    ASSERT_EQ(region.CreateRegionRectI(Rect(0, 0, 40, 40)), 1);
    ASSERT_EQ(region.CombineRegionRect(RectF(20, 20, 40, 40), Gdiplus::CombineModeUnion), 1);
    ASSERT_EQ(region.CombineRegionRectI(Rect(0, 0, 10, 10), Gdiplus::CombineModeExclude), 1);
    struct Probe {
        int x, y, inside;
    };
    const std::vector<Probe> probes = {{5, 5, 0}, {15, 15, 1}, {50, 50, 1}, {50, 5, 0}, {5, 50, 0}};
    for (const Probe& p : probes) {
        EXPECT_EQ(region.IsVisibleRegionPointI(p.x, p.y), p.inside) << p.x << ", " << p.y;
    }
    Canvas canvas;
    RectF bounds;
    ASSERT_EQ(region.GetRegionBounds(canvas.surface, bounds), 1);
    EXPECT_FLOAT_EQ(bounds.Width, 60);
    EXPECT_EQ(region.IsEmptyRegion(canvas.surface), 0);

    Gdiplus::GpMatrix* identity = nullptr;
    Gdiplus::DllExports::GdipCreateMatrix(&identity);
    std::vector<Rect> scans;
    ASSERT_EQ(region.GetRegionScansI(identity, scans), 1);
    EXPECT_EQ(scans.size(), region.GetRegionScansCount(identity));
    EXPECT_GE(scans.size(), 3u);
    Gdiplus::DllExports::GdipDeleteMatrix(identity);

    // Through its data and through a GDI region, the same area comes back.
    Bytes data;
    ASSERT_EQ(region.GetRegionData(data), 1);
    EXPECT_EQ(data.size(), region.GetRegionDataSize());
    Region restored;
    ASSERT_EQ(restored.CreateRegionRgnData(data), 1);
    EXPECT_EQ(restored.IsEqualRegion(region, canvas.surface), 1);
    HRGN gdi = region.GetRegionHRgn(&canvas.surface);
    ASSERT_NE(gdi, nullptr);
    EXPECT_TRUE(PtInRegion(gdi, 15, 15));
    EXPECT_FALSE(PtInRegion(gdi, 5, 5));
    Region fromGdi;
    ASSERT_EQ(fromGdi.CreateRegionHrgn(gdi), 1);
    EXPECT_EQ(fromGdi.IsEqualRegion(region, canvas.surface), 1);
    DeleteObject(gdi);

    ASSERT_EQ(region.SetEmpty(), 1);
    EXPECT_EQ(region.IsEmptyRegion(canvas.surface), 1);
    ASSERT_EQ(region.SetInfinite(), 1);
    EXPECT_EQ(region.IsInfiniteRegion(canvas.surface), 1);
}

TEST_F(PathRegionTest, RegionFromAPathFollowsItsOutline) {
    GraphicsPath circle;
    ASSERT_EQ(circle.CreatePath(), 1);
    circle.AddPathEllipse(0, 0, 40, 40);
    Region region;
    ASSERT_EQ(region.CreateRegionPath(circle), 1);
    EXPECT_EQ(region.IsVisibleRegionPoint(20, 20), 1);
    EXPECT_EQ(region.IsVisibleRegionPoint(2, 2), 0);
    Region moved;
    ASSERT_EQ(region.CloneRegion(moved), 1);
    ASSERT_EQ(moved.TranslateRegionI(100, 0), 1);
    EXPECT_EQ(moved.IsVisibleRegionPoint(120, 20), 1);
    EXPECT_EQ(region.IsVisibleRegionPoint(120, 20), 0) << "the clone moved alone";
}

}  // namespace
