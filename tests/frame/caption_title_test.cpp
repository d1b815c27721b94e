// The caption title: icon and text placement, partial updates from WM_SETTEXT, bold styles.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/engine_settings.h"
#include "tests/frame/engine_fixture.h"
#include "tests/support/pixel_probe.h"

namespace {

using qtest::EngineFixture;

constexpr COLORREF GREY = RGB(128, 128, 128);
constexpr COLORREF ICON_COLOUR = RGB(0, 200, 0);

// A 17 x 17 icon of one opaque colour.
HICON SolidIcon(COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 17, 17);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, picture);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, 17, 17};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(17, 17, 1, 1, nullptr);  // all zero: every pixel opaque
    ICONINFO info{TRUE, 0, 0, mask, picture};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(picture);
    return icon;
}

class CaptionTitle : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        skin::backColor = GREY;
        skin::defaultIcon = SolidIcon(ICON_COLOUR);
    }

    // Pixels of the back buffer inside `rect` that differ from the grey background.
    static int Ink(HDC dc, RECT rect) {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (!qtest::ColorsNear(GetPixel(dc, x, y), GREY, 12)) ++count;
            }
        }
        return count;
    }
};

TEST_F(CaptionTitle, IconAndTextSitWhereTheFrameWidthPutsThem) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE, "MMMMMMMM");
    AttachPainted(hwnd);
    const HDC back = RecordOf(hwnd).backBufferDc;
    // Icon: 17 x 17 at (9, 5).
    EXPECT_TRUE(qtest::PixelNear(back, 9, 5, ICON_COLOUR, 2));
    EXPECT_TRUE(qtest::PixelNear(back, 25, 21, ICON_COLOUR, 2));
    EXPECT_FALSE(qtest::PixelNear(back, 26, 13, ICON_COLOUR, 40));
    // Text from (29, 8): the halo reaches one pixel further, nothing lies beyond it.
    EXPECT_EQ(Ink(back, {26, 6, 28, 25}), 0);
    EXPECT_EQ(Ink(back, {28, 3, 120, 7}), 0);
    EXPECT_GT(Ink(back, {28, 7, 120, 25}), 40);
}

TEST_F(CaptionTitle, SetTextRedrawsOnlyTheTitleBandFromTheNewText) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE, "WWWWWWWWWWWW");
    const int index = AttachPainted(hwnd);
    ASSERT_GT(index, 0);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    const HDC back = record.backBufferDc;
    ASSERT_GT(Ink(back, {80, 6, 140, 25}), 20);
    // Marks outside the band must survive the partial update.
    SetPixel(back, 200, 150, RGB(1, 2, 3));
    SetPixel(back, 5, 40, RGB(1, 2, 3));
    SetWindowTextA(hwnd, "i");
    EXPECT_EQ(Ink(back, {80, 6, 140, 25}), 0);  // the old, longer title is gone
    EXPECT_GT(Ink(back, {28, 7, 40, 25}), 3);    // the new one is there
    EXPECT_EQ(GetPixel(back, 200, 150), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(back, 5, 40), RGB(1, 2, 3));
    // The screen shows the new band.
    HDC screen = GetDC(hwnd);
    EXPECT_TRUE(qtest::PixelNear(screen, 100, 12, GetPixel(back, 100, 12), 2));
    ReleaseDC(hwnd, screen);
}

TEST_F(CaptionTitle, AnyNonZeroStyleIsBold) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE, "MMMMMMMM");
    const int index = AttachPainted(hwnd);
    const HDC back = RecordOf(hwnd).backBufferDc;
    const RECT band{28, 6, 200, 25};
    ASSERT_EQ(engine().SetTitleStyle(hwnd, std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0), 1);
    const int regular = Ink(back, band);
    for (int style : {1, 2, 3}) {
        engine().SetTitleStyle(hwnd, std::nullopt, std::nullopt, std::nullopt, std::nullopt, style);
        EXPECT_GT(Ink(back, band), regular + 10) << style;
    }
    (void)index;
}

TEST_F(CaptionTitle, SetTitleStyleWithOnlyAColourChangesOnlyTheColour) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE, "MMMMMMMM");
    AttachPainted(hwnd);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    ASSERT_EQ(engine().SetTitleStyle(hwnd, std::nullopt, std::nullopt, RGB(255, 0, 0)), 1);
    EXPECT_EQ(record.titleColor, RGB(255, 0, 0));
    EXPECT_EQ(record.titleGlowColor, 0x808080u);
    EXPECT_EQ(record.titleFontName, "宋体");
    EXPECT_EQ(record.titleFontSize, 12);
    EXPECT_EQ(record.titleFontStyle, 1);
    int red = 0;
    for (int x = 28; x < 150; ++x) {
        for (int y = 7; y < 25; ++y) {
            const COLORREF c = GetPixel(record.backBufferDc, x, y);
            if (GetRValue(c) > 200 && GetGValue(c) < 60) ++red;
        }
    }
    EXPECT_GT(red, 10);
}

}  // namespace
