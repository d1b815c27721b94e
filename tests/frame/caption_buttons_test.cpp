// Caption buttons: layout, hit test, the painted states and the operations addressed by window.
#include <gtest/gtest.h>

#include "engine/core/caption_glyphs.h"
#include "tests/frame/engine_fixture.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/pixel_probe.h"

namespace {

using qtest::EngineFixture;

class CaptionButtons : public EngineFixture {};

TEST_F(CaptionButtons, StripAndBoundsOnA400PixelClient) {
    const HWND hwnd = NewWindow(400, 300);
    AttachPainted(hwnd);
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(record.buttonStripWidth, 95);
    EXPECT_EQ(record.buttonStripX, 306);
    EXPECT_EQ(record.buttonStripHeight, 22);
    struct Expected {
        int kind;
        float x, width;
    } expected[] = {{skin::CAPTION_MINIMIZE, 308, 26},
                    {skin::CAPTION_MAXIMIZE, 335, 26},
                    {skin::CAPTION_CLOSE, 362, 40}};
    ASSERT_EQ(record.captionButtons.Count(), 3);
    for (int i = 1; i <= 3; ++i) {
        const skin::CaptionButton& button = record.captionButtons.At(i);
        EXPECT_EQ(button.kind, expected[i - 1].kind) << i;
        EXPECT_EQ(button.bounds.x, expected[i - 1].x) << i;
        EXPECT_EQ(button.bounds.y, 1) << i;
        EXPECT_EQ(button.bounds.width, expected[i - 1].width) << i;
        EXPECT_EQ(button.bounds.height, 18) << i;
    }
    const RECT strip = engine().GetCaptionButtonStrip(hwnd);
    EXPECT_EQ(strip.left, 306);
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.right, 401);
    EXPECT_EQ(strip.bottom, 22);
    EXPECT_EQ(engine().FindMaximizeButton(skin::FindWindowRecord(hwnd)), 2);
}

TEST_F(CaptionButtons, HitTestIsStrictOnEveryEdge) {
    const HWND hwnd = NewWindow(400, 300);
    const int index = AttachPainted(hwnd);
    struct Case {
        int x, y, button;
    } cases[] = {
        {308, 10, 0}, {309, 10, 1}, {333, 10, 1}, {334, 10, 0},  // minimize 308…334
        {336, 10, 2}, {360, 10, 2}, {361, 10, 0},                // maximize 335…361
        {363, 10, 3}, {399, 10, 3}, {401, 10, 3}, {402, 10, 0},  // close hit over 40 pixels
        {320, 1, 0},  {320, 2, 1},  {320, 18, 1}, {320, 19, 0},  // bounds y 1…19
        {305, 10, 0}, {320, 23, 0}, {320, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(engine().HitTestCaptionButton(index, c.x, c.y), c.button)
            << "(" << c.x << ", " << c.y << ")";
    }
}

TEST_F(CaptionButtons, OperationsOnAWindowThatIsNotAttachedChangeNothing) {
    const HWND attached = NewWindow();
    const int index = AttachPainted(attached);
    const HWND plain = NewWindow();
    const INT_PTR routine = reinterpret_cast<INT_PTR>(&GetTickCount);
    const graphics::Bytes image = skin::CAPTION_GLYPHS.close.ToBytes();
    for (HWND hwnd : {plain, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(engine().SetHelpButtonHandler(hwnd, routine), 0);
        EXPECT_EQ(engine().SetMenuButtonHandler(hwnd, routine), 0);
        const RECT strip = engine().GetCaptionButtonStrip(hwnd);
        EXPECT_TRUE(strip.left == 0 && strip.top == 0 && strip.right == 0 && strip.bottom == 0);
        EXPECT_EQ(engine().SetCaptionButtonImages(hwnd, image, image, image, image), 0);
        EXPECT_EQ(engine().SetBottomBarItem(hwnd, 1, "x"), 0);
        EXPECT_EQ(engine().SetBottomBarStyle(hwnd, 1), 0);
        EXPECT_EQ(engine().AddCaptionButton(hwnd, image, "x", routine), 0);
        EXPECT_EQ(engine().SetTitleStyle(hwnd, std::nullopt, 20), 0);
        EXPECT_EQ(engine().SetWindowBackground(hwnd, image), 0);
    }
    // Positions that hold no record: nothing happens and the queries answer 0.
    graphics::Graphics surface;
    for (int bad : {0, index + 1, -3}) {
        EXPECT_EQ(engine().HitTestCaptionButton(bad, 320, 10), 0);
        EXPECT_EQ(engine().FindMaximizeButton(bad), 0);
        engine().LayoutCaptionButtons(bad);
        engine().DrawCaptionButton(bad, 1, surface, 0, 1);
        engine().DrawCaptionTitle(bad, surface, 0, std::string("x"));
        engine().LayoutBottomBar(bad);
        engine().DrawBottomBarItem(bad, surface, 0);
        engine().PaintWindow(bad, 1);
        engine().ClickCaptionButton(bad, 1);
    }
    // Button numbers outside the list of an attached window.
    engine().DrawCaptionButton(index, 0, surface, 0, 1);
    engine().DrawCaptionButton(index, 9, surface, 0, 0, 240);
    engine().ClickCaptionButton(index, 9);
    EXPECT_EQ(RecordOf(attached).helpCallback, 0);
    EXPECT_TRUE(IsWindow(attached));
}

// The back buffer's colour at the middle of the top row of button `number`.
COLORREF TopOfButton(const skin::WindowSkinRecord& record, int number, int dy = 1) {
    const skin::CaptionButton& button = record.captionButtons.At(number);
    return GetPixel(record.backBufferDc, static_cast<int>(button.bounds.x) + 4,
                    static_cast<int>(button.bounds.y) + dy);
}

TEST_F(CaptionButtons, HighlightAtFullLevelShowsTheThemeColourAndLevelZeroRestores) {
    const HWND hwnd = NewWindow(400, 300);
    const int index = AttachPainted(hwnd);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    const COLORREF plain = TopOfButton(record, 1, 2);
    graphics::Graphics surface;
    engine().DrawCaptionButton(index, 1, surface, 0, 0, 240);
    const COLORREF lit = TopOfButton(record, 1, 2);
    // Near the top the highlight is almost the theme colour RGB(34, 202, 221).
    EXPECT_LT(GetRValue(lit) + 100, GetRValue(plain));
    EXPECT_GT(GetGValue(lit), GetRValue(lit) + 60);
    EXPECT_GT(GetBValue(lit), GetRValue(lit) + 60);
    graphics::Graphics again;
    engine().DrawCaptionButton(index, 1, again, 0, 0, 0);
    EXPECT_TRUE(qtest::ColorsNear(TopOfButton(record, 1, 2), plain, 2));
    // The screen shows what the back buffer holds.
    HDC screen = GetDC(hwnd);
    engine().DrawCaptionButton(index, 1, surface, 0, 0, 240);
    EXPECT_TRUE(qtest::PixelNear(screen, 312, 3, TopOfButton(record, 1, 2), 2));
    ReleaseDC(hwnd, screen);
}

TEST_F(CaptionButtons, PressedCloseButtonIsRedAtItsTop) {
    const HWND hwnd = NewWindow(400, 300);
    const int index = AttachPainted(hwnd);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    graphics::Graphics surface;
    engine().DrawCaptionButton(index, 3, surface, 0, 1);
    const COLORREF top = TopOfButton(record, 3);
    EXPECT_GT(GetRValue(top), 200);
    EXPECT_LT(GetGValue(top), 80);
    EXPECT_LT(GetBValue(top), 80);
    // A pressed other button is darkened, not red.
    engine().DrawCaptionButton(index, 1, surface, 0, 1);
    const COLORREF other = TopOfButton(record, 1);
    EXPECT_LT(GetRValue(other), 200);
}

TEST_F(CaptionButtons, MaximizedWindowShowsTheRestorePicture) {
    const HWND hwnd = NewWindow(400, 300);
    const int index = AttachPainted(hwnd);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    // A picture that is red all over makes the choice visible.
    graphics::Bitmap red;
    red.CreateBlankBitmap(26, 18);
    {
        graphics::Graphics g;
        g.GetImageGraphicsContext(red);
        g.GraphicsClear(0xFFFF0000);
    }
    const graphics::Bytes redPng = red.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
    ASSERT_EQ(engine().SetCaptionButtonImages(hwnd, std::nullopt, std::nullopt, redPng), 1);
    graphics::Graphics surface;
    engine().DrawCaptionButton(index, 2, surface, 0);
    EXPECT_GT(GetGValue(TopOfButton(record, 2, 8)), 150);
    record.isMaximized = 1;
    engine().DrawCaptionButton(index, 2, surface, 0);
    const COLORREF restore = TopOfButton(record, 2, 8);
    EXPECT_GT(GetRValue(restore), 200);
    EXPECT_LT(GetGValue(restore), 80);
}

TEST_F(CaptionButtons, AThousandHighlightStepsLeakNoHandle) {
    const HWND hwnd = NewWindow(400, 300);
    const int index = AttachPainted(hwnd);
    graphics::Graphics warm;
    engine().DrawCaptionButton(index, 3, warm, 0, 0, 30);
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 1000; ++i) {
        graphics::Graphics surface;
        engine().DrawCaptionButton(index, 1 + i % 3, surface, 0, i % 7 == 0 ? 1 : 0, (i * 30) % 270);
    }
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

}  // namespace
