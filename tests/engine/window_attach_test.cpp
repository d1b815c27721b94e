// Window attach: the record it builds, picture preparation, caption actions and routines.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "engine/core/background_picture.h"
#include "engine/core/invoke_callback.h"
#include "tests/frame/engine_fixture.h"
#include "tests/frame/test_pictures.h"
#include "tests/support/pixel_probe.h"

namespace {

using qtest::EngineFixture;

class WindowAttach : public EngineFixture {};

int ownMessages = 0;
LRESULT CALLBACK OwnProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 7) ++ownMessages;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowAttach, CaptionButtonsFollowTheStyleAndTheFlags) {
    constexpr DWORD BASE = WS_POPUP | WS_SYSMENU;
    using K = std::vector<int>;
    struct Case {
        DWORD style;
        int help, menu;
        K kinds;
        int stripWidth;
    } cases[] = {
        {BASE | WS_MINIMIZEBOX, 0, 0, {skin::CAPTION_MINIMIZE, skin::CAPTION_CLOSE}, 68},
        {BASE, 0, 0, {skin::CAPTION_CLOSE}, 41},
        {BASE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0,
         {skin::CAPTION_MINIMIZE, skin::CAPTION_MAXIMIZE, skin::CAPTION_CLOSE}, 95},
        {BASE | WS_MAXIMIZEBOX, 1, 1,
         {skin::CAPTION_HELP, skin::CAPTION_MENU, skin::CAPTION_MAXIMIZE, skin::CAPTION_CLOSE}, 122},
    };
    for (const Case& c : cases) {
        const HWND hwnd = NewWindow(400, 300, c.style);
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, c.help, c.menu);
        const skin::WindowSkinRecord& record = RecordOf(hwnd);
        K kinds;
        for (const skin::CaptionButton& button : record.captionButtons) kinds.push_back(button.kind);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(record.buttonStripWidth, c.stripWidth);
        EXPECT_EQ(record.captionToolCount, static_cast<int>(c.kinds.size()));
        EXPECT_EQ(record.showCloseButton, 1);
        EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU);
    }
}

TEST_F(WindowAttach, RecordTakesDefaultsAndTheCaptionHeightFloor) {
    for (auto height : {std::optional<int>(), std::optional<int>(10), std::optional<int>(40)}) {
        const HWND hwnd = NewWindow();
        engine().AttachWindow(hwnd, height);
        EXPECT_EQ(RecordOf(hwnd).captionHeight, height.value_or(0) == 40 ? 40 : 25);
    }
    const HWND hwnd = NewWindow();
    // The program's own procedure, which the engine passes messages on to.
    const LONG_PTR original = reinterpret_cast<LONG_PTR>(&OwnProcedure);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, original);
    engine().AttachWindow(hwnd);
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(engine().frameWidth, 3);
    EXPECT_EQ(record.captionEnabled, 1);
    EXPECT_EQ(record.resizable, 1);
    EXPECT_EQ(record.showTitle, 1);
    EXPECT_EQ(record.drawGloss, 0);
    EXPECT_EQ(record.bottomBarHeight, 0);
    EXPECT_EQ(record.minTrackWidth, 200);
    EXPECT_EQ(record.maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(record.titleFontName, "宋体");
    EXPECT_EQ(record.attached, 1);
    EXPECT_EQ(record.needsFullRepaint, 1);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC),
              static_cast<LONG_PTR>(engine().windowProcAdapter.entry()));
    // What the engine replaced is whatever was installed last (the caption tool tips
    // subclass the window too); messages still reach the program's own procedure.
    EXPECT_EQ(GetPropA(hwnd, "Hw_hProc"), reinterpret_cast<HANDLE>(record.previousWndProc));
    EXPECT_NE(record.previousWndProc, nullptr);
    EXPECT_EQ(GetPropA(hwnd, "Hw_lbID"), reinterpret_cast<HANDLE>(skin::FindWindowRecord(hwnd)));
    SendMessageA(hwnd, WM_USER + 7, 0, 0);
    EXPECT_EQ(ownMessages, 1);

    // Windows of other processes and handles that are no windows are refused.
    engine().AttachWindow(GetDesktopWindow());
    engine().AttachWindow(reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(skin::FindWindowRecord(GetDesktopWindow()), 0);

    // A second attach changes nothing.
    const size_t count = skin::windowRecords.size();
    engine().AttachWindow(hwnd, 60, 0);
    EXPECT_EQ(skin::windowRecords.size(), count);
    EXPECT_EQ(RecordOf(hwnd).captionHeight, 25);
}

TEST_F(WindowAttach, PictureLayoutsDecideWhatIsKept) {
    // Layouts that do not fade keep the caller's bytes as they are.
    const auto picture = qtest::PlainPicture(60, 40, 0xFF204080);
    for (int layout : {2, 3, 4}) {
        const HWND hwnd = NewWindow();
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt, std::nullopt, std::nullopt, std::nullopt, {}, picture,
                              layout);
        const skin::WindowSkinRecord& record = RecordOf(hwnd);
        EXPECT_EQ(record.backgroundImage, picture) << layout;
        EXPECT_EQ(record.backgroundLayout, layout);
        // The average of a plain picture is its colour, with 255 on top.
        EXPECT_EQ(record.backgroundColor, 0xFF000000u | RGB(0x20, 0x40, 0x80)) << layout;
    }
    // A fading layout blends the edges into the average colour.
    const auto halves = qtest::SplitPicture(60, 40, 30, 0xFFFF0000, 0xFF0000FF);
    for (int layout : {0, 1}) {
        const HWND hwnd = NewWindow();
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt, std::nullopt, std::nullopt, std::nullopt, {}, halves,
                              layout);
        EXPECT_NE(RecordOf(hwnd).backgroundImage, halves) << layout;
    }
    const HWND plain = NewWindow();
    engine().AttachWindow(plain);
    EXPECT_TRUE(RecordOf(plain).backgroundImage.empty());
    EXPECT_EQ(RecordOf(plain).backgroundColor, 0u);
}

// The colour at (x, y) of a decoded picture.
COLORREF PictureColour(const graphics::Bytes& bytes, int x, int y) {
    graphics::Bitmap bitmap;
    bitmap.LoadImageFromBytes(bytes);
    BYTE alpha = 0;
    return skin::ArgbToColorref(bitmap.BitmapGetPixel(x, y), alpha);
}

TEST_F(WindowAttach, FadedBackgroundBandsStartWhereTheyShould) {
    const auto black = qtest::PlainPicture(100, 50, 0xFF000000);
    const auto faded = skin::ComposeFadedBackground(black, std::nullopt, RGB(255, 255, 255));
    ASSERT_FALSE(faded.empty());
    // Right band: x = 71 on, 30 wide; bottom band: y = 21 on, the whole width.
    EXPECT_EQ(PictureColour(faded, 70, 10), RGB(0, 0, 0));
    EXPECT_NE(PictureColour(faded, 71, 10), RGB(0, 0, 0));
    EXPECT_GT(GetRValue(PictureColour(faded, 99, 10)), 220);
    EXPECT_EQ(PictureColour(faded, 10, 20), RGB(0, 0, 0));
    EXPECT_NE(PictureColour(faded, 10, 21), RGB(0, 0, 0));
    EXPECT_GT(GetRValue(PictureColour(faded, 10, 49)), 220);

    const auto left = skin::ComposeFadedBackground(black, 20, RGB(255, 255, 255), 0);
    EXPECT_GT(GetRValue(PictureColour(left, 0, 10)), 220);
    EXPECT_EQ(PictureColour(left, 20, 10), RGB(0, 0, 0));
    EXPECT_EQ(PictureColour(left, 50, 30), RGB(0, 0, 0));   // the band is 20 high now
    EXPECT_NE(PictureColour(left, 50, 31), RGB(0, 0, 0));

    EXPECT_TRUE(skin::ComposeFadedBackground({1, 2, 3}, std::nullopt, 0).empty());
}

TEST_F(WindowAttach, AverageColourSamplesTheChosenCornerAndRepeatsWithinADay) {
    const auto halves = qtest::SplitPicture(100, 20, 50, 0xFFFF0000, 0xFF0000FF);
    const COLORREF whole = skin::SampleAverageColor(halves, 2000);
    EXPECT_EQ(whole, skin::SampleAverageColor(halves, 2000));
    EXPECT_EQ(whole >> 24, 0xFFu);
    EXPECT_GT(GetRValue(whole), 60);
    EXPECT_GT(GetBValue(whole), 60);
    const COLORREF right = skin::SampleAverageColor(halves, 500, 40);
    EXPECT_LT(GetRValue(right), 10);
    EXPECT_GT(GetBValue(right), 200);
    EXPECT_EQ(skin::SampleAverageColor({9, 9}, 10), 0xFF000000u);
    BYTE alpha = 0;
    EXPECT_EQ(skin::ArgbToColorref(0x80FF0000, alpha), RGB(255, 0, 0));
    EXPECT_EQ(alpha, 0x80);
}

int calls = 0;
void Count() { ++calls; }
int __stdcall Difference(int a, int b) { return a - b; }
int __cdecl Sum3(int a, int b, int c) { return a + b + c; }

TEST_F(WindowAttach, InvokeCallbackCallsRoutinesOfEitherConvention) {
    EXPECT_EQ(skin::InvokeCallback(reinterpret_cast<INT_PTR>(&Difference), {10, 3}, 0), 7);
    EXPECT_EQ(skin::InvokeCallback(reinterpret_cast<INT_PTR>(&Sum3), {1, 2, 4}, 1), 7);
    EXPECT_EQ(skin::InvokeCallback(0, {}, 0), 0);
}

TEST_F(WindowAttach, CaptionButtonsRunTheirRoutines) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE);
    engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, 1, 1);
    const int index = skin::FindWindowRecord(hwnd);
    const INT_PTR count = reinterpret_cast<INT_PTR>(&Count);
    calls = 0;
    engine().ClickCaptionButton(index, 1);  // help without a routine: nothing
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(engine().SetHelpButtonHandler(hwnd, count), count);
    EXPECT_EQ(engine().SetMenuButtonHandler(hwnd, count), count);
    engine().ClickCaptionButton(index, 1);
    engine().ClickCaptionButton(index, 2);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(engine().AddCaptionButton(hwnd, qtest::PlainPicture(26, 18, 0xFF00FF00), "mine", count), 1);
    engine().ClickCaptionButton(skin::FindWindowRecord(hwnd), 1);
    EXPECT_EQ(calls, 3);
    engine().ClickCaptionButton(skin::FindWindowRecord(hwnd), 6);  // close
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowAttach, AddedCaptionButtonGoesFirstAndTheToolsFollow) {
    const HWND hwnd = NewWindow(400, 300, qtest::SKINNED_STYLE);
    engine().AttachWindow(hwnd);
    ASSERT_EQ(engine().AddCaptionButton(hwnd, qtest::PlainPicture(26, 18, 0xFF00FF00), "自定义", 0), 1);
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    ASSERT_EQ(record.captionButtons.Count(), 4);
    EXPECT_EQ(record.captionButtons.At(1).kind, skin::CAPTION_CUSTOM);
    EXPECT_EQ(record.buttonStripWidth, 95 + 27);
    EXPECT_EQ(record.buttonStripX, 400 - 122 + 1);
    EXPECT_EQ(record.captionButtons.At(1).bounds.x, record.buttonStripX + 2);
    HWND tip = record.captionToolTip.GetTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 4);
    for (int i = 1; i <= 4; ++i) {
        char text[80] = {};
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = hwnd;
        info.uId = static_cast<UINT_PTR>(i);
        info.lpszText = text;
        SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(std::string(text), record.captionButtons.At(i).toolTip) << i;
    }
}

}  // namespace

namespace {

// An engine destroyed while a window is still attached must not leave the window calling into
// freed code: the window gets its own procedure back and keeps working.
TEST_F(WindowAttach, DestroyingTheEngineFirstGivesWindowsTheirProcedureBack) {
    const HWND hwnd = NewWindow();
    const LONG_PTR original = reinterpret_cast<LONG_PTR>(&OwnProcedure);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, original);
    AttachPainted(hwnd);
    // What the engine replaced: the program's procedure, or the caption tips' subclass
    // procedure in front of it.
    const auto replaced = reinterpret_cast<LONG_PTR>(RecordOf(hwnd).previousWndProc);
    ASSERT_NE(replaced, 0);

    DestroyEngine();
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), replaced);
    ownMessages = 0;
    SendMessageA(hwnd, WM_USER + 7, 0, 0);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(300, 10));
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    qtest::PumpMessages();
    EXPECT_EQ(ownMessages, 1);
}

}  // namespace
