// Shared path shapes: corner clamping, open and closed figures, and the glow's density.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/core/path_shapes.h"
#include "graphics/graphics.h"
#include "tests/support/gdiplus_session.h"
#include "tests/support/pixel_probe.h"

namespace {

class PathShapesTest : public qtest::GdiplusTest {
protected:
    void SetUp() override {
        GdiplusTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(path_.CreatePath());
    }
    graphics::GraphicsPath path_;
};

TEST_F(PathShapesTest, RoundedRectClampsTheRadiusAndClosesTheFigure) {
    struct Case {
        int radius;
        float usedRadius;
    };
    const Case cases[] = {{0, 1}, {-4, 1}, {5, 5}, {150, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radius);
        path_.ResetPath();
        skin::AddRoundedRectPath(path_, 0, 0, 300, 200, c.radius);
        std::vector<graphics::PointF> points;
        std::vector<BYTE> types;
        ASSERT_TRUE(path_.GetPathPoints(points));
        ASSERT_TRUE(path_.GetPathTypes(types));
        // The first arc starts at the top of the top-right corner ellipse.
        EXPECT_NEAR(points.front().X, 300 - c.usedRadius / 2, 0.01);
        EXPECT_NEAR(points.front().Y, 0, 0.01);
        EXPECT_TRUE(types.back() & Gdiplus::PathPointTypeCloseSubpath);
        // The bottom-right arc reaches one pixel beyond the others: down to y = 200.
        graphics::RectF bounds;
        ASSERT_TRUE(path_.GetPathWorldBounds(bounds));
        EXPECT_NEAR(bounds.Y + bounds.Height, 200, 0.01);
        EXPECT_NEAR(bounds.X + bounds.Width, 300, 0.01);
    }
}

TEST_F(PathShapesTest, TopRoundedPathIsAnOpenBandFromTheBottomLeft) {
    skin::AddTopRoundedPath(path_, 10, 20, 100, 40, 8);
    std::vector<graphics::PointF> points;
    std::vector<BYTE> types;
    ASSERT_TRUE(path_.GetPathPoints(points));
    ASSERT_TRUE(path_.GetPathTypes(types));
    EXPECT_NEAR(points.front().X, 10, 0.01);
    EXPECT_NEAR(points.front().Y, 60, 0.01);
    EXPECT_NEAR(points.back().X, 110, 0.01);
    EXPECT_NEAR(points.back().Y, 60, 0.01);
    EXPECT_FALSE(types.back() & Gdiplus::PathPointTypeCloseSubpath);
}

TEST_F(PathShapesTest, GlowIsDensestOnThePathLine) {
    qtest::MemorySurface surface(40, 40);
    surface.Fill(RGB(255, 255, 255));
    path_.AddPathLine(5, 20, 35, 20);  // GDI+ puts pixel centres on whole coordinates
    {
        graphics::Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(surface.dc()));
        skin::DrawGlow(graphics, path_, 4, RGB(0, 0, 0), 60);
    }
    auto darkness = [&](int y) { return 255 - GetRValue(qtest::PixelAt(surface.dc(), 20, y)); };
    EXPECT_GT(darkness(20), darkness(21));
    EXPECT_GT(darkness(21), 0);
    EXPECT_GT(darkness(21), darkness(23));
    EXPECT_EQ(darkness(30), 0);
}

}  // namespace
