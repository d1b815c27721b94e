// The window procedure of attached windows: caption fades, clicks, sizes and system commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/engine_settings.h"
#include "tests/frame/engine_fixture.h"

namespace {

using qtest::EngineFixture;

// Records every caption-button draw the window procedure asks for.
class RecordingEngine : public skin::SkinEngine {
public:
    struct Draw {
        int number;
        int pressed;  // -1: not given
        int level;    // -1: not given
        bool operator==(const Draw& o) const {
            return number == o.number && pressed == o.pressed && level == o.level;
        }
    };
    void DrawCaptionButton(int windowIndex, int number, graphics::Graphics& graphics,
                           int useGivenGraphics, std::optional<int> pressed,
                           std::optional<int> level) override {
        if (!useGivenGraphics) draws.push_back({number, pressed.value_or(-1), level.value_or(-1)});
        SkinEngine::DrawCaptionButton(windowIndex, number, graphics, useGivenGraphics, pressed, level);
    }
    std::vector<Draw> draws;
};

std::ostream& operator<<(std::ostream& out, const RecordingEngine::Draw& d) {
    return out << "{" << d.number << ", " << d.pressed << ", " << d.level << "}";
}

// Keeps the system commands away from the default procedure (no real maximize, minimize or
// modal loop), below the engine, so that the engine's handling is what is seen.
LRESULT CALLBACK SwallowCommands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class WindowMessages : public EngineFixture {
protected:
    std::unique_ptr<skin::SkinEngine> MakeEngine() override {
        auto engine = std::make_unique<RecordingEngine>();
        recording_ = engine.get();
        return engine;
    }
    std::vector<RecordingEngine::Draw>& draws() { return recording_->draws; }

    // A 400 x 300 window whose commands never reach the default procedure.
    HWND Quiet(DWORD style = qtest::SKINNED_STYLE, std::optional<int> resizable = std::nullopt) {
        const HWND hwnd = NewWindow(400, 300, style);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowCommands));
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, resizable);
        engine().PaintWindow(skin::FindWindowRecord(hwnd), 0);
        return hwnd;
    }

    static void Move(HWND hwnd, int x, int y) {
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        SendMessageA(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(x, y));
    }
    static void Tick(HWND hwnd, int times = 1) {
        for (int i = 0; i < times; ++i) SendMessageA(hwnd, WM_TIMER, reinterpret_cast<WPARAM>(hwnd), 0);
    }

    RecordingEngine* recording_ = nullptr;
};

// Button centres on a 400-pixel client: minimize, maximize, close.
constexpr POINT MINIMIZE{320, 10}, CLOSE{380, 10};
using Draws = std::vector<RecordingEngine::Draw>;

Draws Fade(int number, int from, int step, int count) {
    Draws expected;
    for (int i = 0; i < count; ++i) expected.push_back({number, 0, from + step * i});
    return expected;
}

TEST_F(WindowMessages, MovingFromOneButtonToAnotherFadesOneOutAndTheOtherIn) {
    const HWND hwnd = Quiet();
    Move(hwnd, MINIMIZE.x, MINIMIZE.y);
    Tick(hwnd, 8);
    EXPECT_EQ(draws(), Fade(1, 30, 30, 8));
    draws().clear();

    Move(hwnd, CLOSE.x, CLOSE.y);
    EXPECT_EQ(draws(), (Draws{{0, 0, 0}}));  // no fade-out was running: draws nothing
    draws().clear();
    Tick(hwnd, 8);
    Draws expected;
    for (int i = 1; i <= 8; ++i) {
        expected.push_back({3, 0, 30 * i});
        expected.push_back({1, 0, 240 - 30 * i});
    }
    EXPECT_EQ(draws(), expected);
    // The mouse is still on close: the timer keeps running.
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(record.hoverTimerRunning, 1);
    EXPECT_EQ(record.hotCaptionButton, 3);
}

TEST_F(WindowMessages, LeavingAFullyLitButtonFadesItOutAndStopsTheTimer) {
    const HWND hwnd = Quiet();
    Move(hwnd, CLOSE.x, CLOSE.y);
    Tick(hwnd, 8);
    draws().clear();
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(draws().empty());
    Tick(hwnd, 8);
    EXPECT_EQ(draws(), Fade(3, 210, -30, 8));
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(record.hoverTimerRunning, 0);
    EXPECT_EQ(record.fadeOut.button, 0);
    EXPECT_EQ(record.fadeIn.button, 0);
    EXPECT_EQ(record.hotCaptionButton, 0);
}

TEST_F(WindowMessages, LeavingDuringTwoFadesDrawsTheFadingButtonPlainAtOnce) {
    const HWND hwnd = Quiet();
    Move(hwnd, MINIMIZE.x, MINIMIZE.y);
    Tick(hwnd, 8);
    Move(hwnd, CLOSE.x, CLOSE.y);
    Tick(hwnd, 3);
    draws().clear();
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(draws(), (Draws{{1, -1, -1}}));
    draws().clear();
    Tick(hwnd, 8);
    EXPECT_EQ(draws(), Fade(3, 210, -30, 8));
}

TEST_F(WindowMessages, PressDrawsThePressedLookAndReleaseClicksTheButtonUnderTheMouse) {
    const HWND hwnd = Quiet();
    skin::WindowSkinRecord* record = &RecordOf(hwnd);
    record->isMaximized = 1;  // no drag: the press only draws
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(MINIMIZE.x, MINIMIZE.y));
    EXPECT_EQ(draws(), (Draws{{1, 1, -1}}));
    // Released over maximize: maximize is clicked (and restores the "maximized" window).
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(345, 10));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(345, 10));
    record = &RecordOf(hwnd);
    EXPECT_EQ(record->isMaximized, 0);
    EXPECT_EQ(record->isMinimized, 0);
}

TEST_F(WindowMessages, SystemCommandsAreComparedExactly) {
    const HWND hwnd = Quiet();
    skin::WindowSkinRecord* record = &RecordOf(hwnd);
    record->needsFullRepaint = 0;
    SendMessageA(hwnd, WM_SYSCOMMAND, 0xF032, 0);
    EXPECT_EQ(record->isMaximized, 0);
    EXPECT_EQ(record->needsFullRepaint, 0);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(record->isMaximized, 1);
    EXPECT_EQ(record->needsFullRepaint, 1);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(record->isMinimized, 1);
    SendMessageA(hwnd, WM_QUERYOPEN, 0, 0);
    EXPECT_EQ(record->isMinimized, 0);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(record->isMinimized, 0);
    EXPECT_EQ(record->isMaximized, 1);  // only the maximize button clears it
}

TEST_F(WindowMessages, CaptionDoubleClickMaximizesOnlyResizableWindowsWithTheButton) {
    struct Case {
        DWORD style;
        int resizable;
        int y;
        int maximized;
    } cases[] = {
        {qtest::SKINNED_STYLE, 1, 10, 1},
        {qtest::SKINNED_STYLE, 1, 25, 1},
        {qtest::SKINNED_STYLE, 1, 26, 0},
        {qtest::SKINNED_STYLE, 0, 10, 0},
        {WS_POPUP | WS_MINIMIZEBOX, 1, 10, 0},
    };
    for (const Case& c : cases) {
        const HWND hwnd = Quiet(c.style, c.resizable);
        SendMessageA(hwnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, c.y));
        EXPECT_EQ(RecordOf(hwnd).isMaximized, c.maximized) << c.resizable << " " << c.y;
    }
}

TEST_F(WindowMessages, OnlyTheFirstSizeChangeAfterSetUpSkipsTheFullRepaint) {
    const HWND hwnd = Quiet();
    ASSERT_EQ(skin::firstSizePending, 1);
    skin::WindowSkinRecord* record = &RecordOf(hwnd);
    record->needsFullRepaint = 1;
    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(400, 300));
    EXPECT_EQ(record->needsFullRepaint, 0);
    EXPECT_EQ(skin::firstSizePending, 0);
    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(400, 300));
    EXPECT_EQ(record->needsFullRepaint, 1);
}

TEST_F(WindowMessages, AFirstSizeChangeToAnotherSizeStillRecomposes) {
    const HWND hwnd = Quiet();
    skin::WindowSkinRecord* record = &RecordOf(hwnd);
    record->needsFullRepaint = 0;
    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(500, 300));  // composed at 400 x 300
    EXPECT_EQ(record->needsFullRepaint, 1);
    EXPECT_EQ(skin::firstSizePending, 0);
}

TEST_F(WindowMessages, MinMaxInfoLimitsTrackingAndMaximizesOntoTheWorkArea) {
    const HWND hwnd = Quiet();
    MINMAXINFO info{};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));

    RecordOf(hwnd).isMaximized = 1;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    info = {};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, monitor.rcWork.right - monitor.rcWork.left);
    EXPECT_EQ(info.ptMaxTrackSize.y, monitor.rcWork.bottom - monitor.rcWork.top);
    EXPECT_EQ(info.ptMaxSize.y, monitor.rcWork.bottom - monitor.rcWork.top);
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
}

TEST_F(WindowMessages, MaximizeButtonTwiceMaximizesThenRestores) {
    // The engine's state, with the commands kept from the default procedure.
    const HWND quiet = Quiet();
    const int quietIndex = skin::FindWindowRecord(quiet);
    for (int expected : {1, 0}) {
        RecordOf(quiet).needsFullRepaint = 0;
        engine().ClickCaptionButton(quietIndex, engine().FindMaximizeButton(quietIndex));
        EXPECT_EQ(RecordOf(quiet).isMaximized, expected);
        EXPECT_EQ(RecordOf(quiet).needsFullRepaint, 1);
    }
    // And what the system does with them.
    const HWND hwnd = NewWindow(400, 300);
    engine().AttachWindow(hwnd);
    const int index = skin::FindWindowRecord(hwnd);
    RECT before{};
    GetWindowRect(hwnd, &before);
    engine().ClickCaptionButton(index, engine().FindMaximizeButton(index));
    EXPECT_TRUE(IsZoomed(hwnd));
    qtest::PumpMessages();
    engine().ClickCaptionButton(index, engine().FindMaximizeButton(index));
    EXPECT_FALSE(IsZoomed(hwnd));
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    // The caption buttons follow the width.
    EXPECT_EQ(RecordOf(hwnd).buttonStripX, 400 - 95 + 1);
}

TEST_F(WindowMessages, NewTitleStillReachesTheWindow) {
    const HWND shown = Quiet();
    SetWindowTextA(shown, "new title");
    char text[32] = {};
    GetWindowTextA(shown, text, sizeof text);
    EXPECT_STREQ(text, "new title");  // the text still reaches the window
}

TEST_F(WindowMessages, DeactivationTrimsInProcessWithoutAnyFile) {
    const HWND hwnd = Quiet();
    char windows[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", windows, MAX_PATH);
    const std::string trimmer = std::string(windows) + "\\empty.exe";
    SendMessageA(hwnd, WM_ACTIVATEAPP, 0, 0);
    Sleep(50);
    EXPECT_EQ(GetFileAttributesA(trimmer.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(IsWindow(hwnd));
}

}  // namespace
