// The client background: clear colour outside the rounded shape, picture layouts, border.
#include <gtest/gtest.h>

#include "engine/core/engine_settings.h"
#include "engine/frame/window_background.h"
#include "tests/frame/engine_fixture.h"
#include "tests/frame/test_pictures.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/screenshot.h"

namespace {

using qtest::EngineFixture;
using qtest::PixelNear;

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF MAGENTA = RGB(255, 0, 255);

class WindowBackground : public EngineFixture {
protected:
    // A frameless window of `width` x `height` attached without a caption (so nothing but
    // the background is painted) with `picture` in `layout`, composed once.
    HDC Compose(int width, int height, const graphics::Bytes& picture, std::optional<int> layout) {
        const HWND hwnd = NewWindow(width, height);
        engine().AttachWindow(hwnd, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt, std::nullopt, std::nullopt, {}, picture, layout);
        engine().PaintWindow(skin::FindWindowRecord(hwnd), 0);
        return RecordOf(hwnd).backBufferDc;
    }
};

TEST_F(WindowBackground, CornersOutsideTheRoundedShapeKeepTheClearColour) {
    skin::backColor = RGB(10, 120, 30);
    const HDC back = Compose(200, 100, {}, std::nullopt);
    for (POINT corner : {POINT{0, 0}, POINT{199, 0}, POINT{0, 99}, POINT{199, 99}}) {
        EXPECT_TRUE(PixelNear(back, corner.x, corner.y, MAGENTA, 0)) << corner.x << "," << corner.y;
    }
    EXPECT_TRUE(PixelNear(back, 100, 50, RGB(10, 120, 30), 1));
    EXPECT_TRUE(PixelNear(back, 0, 50, RGB(10, 120, 30), 1));
}

TEST_F(WindowBackground, TiledLayoutMirrorsEverySecondCopy) {
    // 100 pixels wide: red on the left half, blue on the right.
    const auto picture = qtest::SplitPicture(100, 40, 50, 0xFFFF0000, 0xFF0000FF);
    const HDC back = Compose(250, 100, picture, skin::BACKGROUND_TILED);
    struct Case {
        int x;
        COLORREF colour;
    } cases[] = {{10, RED}, {60, BLUE},     // as loaded
                 {110, BLUE}, {160, RED},   // mirrored
                 {210, RED}, {245, RED}};   // as loaded again, cut at 250
    for (const Case& c : cases) EXPECT_TRUE(PixelNear(back, c.x, 20, c.colour, 2)) << c.x;
}

TEST_F(WindowBackground, LayoutsPlaceThePicture) {
    const auto picture = qtest::SplitPicture(300, 40, 150, 0xFFFF0000, 0xFF0000FF);
    // Top right with a picture wider than the client: it starts at x = 200 - 300.
    HDC back = Compose(200, 100, picture, 7);
    EXPECT_FALSE(PixelNear(back, 100, 20, BLUE, 2));  // an unknown layout draws nothing
    back = Compose(200, 100, picture, skin::BACKGROUND_STRETCHED);
    EXPECT_TRUE(PixelNear(back, 60, 90, RED, 2));
    EXPECT_TRUE(PixelNear(back, 140, 90, BLUE, 2));
    back = Compose(200, 100, picture, skin::BACKGROUND_CENTERED);
    EXPECT_TRUE(PixelNear(back, 90, 50, RED, 2));   // picture x 140 of 300
    EXPECT_TRUE(PixelNear(back, 110, 50, BLUE, 2));
}

TEST_F(WindowBackground, TopRightLayoutStartsAWidePictureLeftOfTheClient) {
    const auto picture = qtest::SplitPicture(300, 40, 150, 0xFFFF0000, 0xFF0000FF);
    const HWND hwnd = NewWindow(200, 100);
    engine().AttachWindow(hwnd, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt,
                          std::nullopt, std::nullopt, std::nullopt, {}, picture, 2);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    record.backgroundLayout = skin::BACKGROUND_TOP_RIGHT;  // the picture kept as it is
    engine().PaintWindow(skin::FindWindowRecord(hwnd), 0);
    EXPECT_TRUE(PixelNear(record.backBufferDc, 40, 20, RED, 2));   // picture x 140
    EXPECT_TRUE(PixelNear(record.backBufferDc, 60, 20, BLUE, 2));  // picture x 160
}

TEST_F(WindowBackground, OwnPictureUsesOwnLayoutAndTheDefaultPictureTheDefaultLayout) {
    skin::defaultBackgroundImage = qtest::SplitPicture(100, 40, 50, 0xFFFF0000, 0xFF0000FF);
    skin::defaultBackgroundLayout = skin::BACKGROUND_TILED;
    const HDC plain = Compose(250, 100, {}, skin::BACKGROUND_STRETCHED);
    EXPECT_TRUE(PixelNear(plain, 110, 20, BLUE, 2));  // tiled: the second copy is mirrored
    EXPECT_FALSE(PixelNear(plain, 110, 90, BLUE, 2)); // and the picture is only 40 high
    const HDC own = Compose(250, 100, qtest::PlainPicture(10, 10, 0xFF00FF00),
                            skin::BACKGROUND_STRETCHED);
    EXPECT_TRUE(PixelNear(own, 110, 90, RGB(0, 255, 0), 2));
}

TEST_F(WindowBackground, BorderDrawsADarkOuterAndALightInnerLine) {
    skin::backColor = RGB(128, 128, 128);
    const HWND hwnd = NewWindow(200, 100);
    const int index = AttachPainted(hwnd);
    ASSERT_GT(index, 0);
    const HDC back = RecordOf(hwnd).backBufferDc;
    const COLORREF outer = GetPixel(back, 100, 99);
    const COLORREF inner = GetPixel(back, 100, 98);
    EXPECT_LT(GetRValue(outer), 60);
    EXPECT_GT(GetRValue(inner), 190);
    EXPECT_LT(GetRValue(GetPixel(back, 0, 50)), 60);
    EXPECT_GT(GetRValue(GetPixel(back, 1, 50)), 190);
    qtest::SaveScreenshot(back, 200, 100, "frame_default_window");
}

}  // namespace
