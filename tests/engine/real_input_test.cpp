// Attached windows driven by real mouse input: dragging, resizing and caption-button clicks.
#include <gtest/gtest.h>

#include <thread>

#include "tests/frame/engine_fixture.h"

namespace {

using qtest::EngineFixture;

// Queues absolute mouse input at screen point (x, y) with the given button flags.
void Mouse(int x, int y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &input, sizeof input);
}

// Presses at `from`, moves in steps to `to` and releases there. The input comes from a
// thread of its own, because the press may start the system's move or size loop on this
// thread, which then owns the mouse until the release.
void Drag(POINT from, POINT to) {
    Mouse(from.x, from.y, 0);
    qtest::PumpMessages();
    Sleep(50);
    qtest::PumpMessages();
    std::thread input([from, to] {
        Mouse(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= 5; ++i) {
            Sleep(40);
            Mouse(from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5, 0);
        }
        Sleep(40);
        Mouse(to.x, to.y, MOUSEEVENTF_LEFTUP);
    });
    const DWORD end = GetTickCount() + 600;
    while (GetTickCount() < end) {
        qtest::PumpMessages();
        Sleep(10);
    }
    input.join();
    qtest::PumpMessages();
}

class RealInput : public EngineFixture {
protected:
    HWND Attached() {
        const HWND hwnd = NewWindow(400, 300);
        // Away from where other tests put their windows, and above them.
        SetWindowPos(hwnd, HWND_TOPMOST, 760, 560, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        engine().AttachWindow(hwnd);
        SetForegroundWindow(hwnd);
        qtest::PumpMessages();
        return hwnd;
    }
    static RECT Rect(HWND hwnd) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        return rect;
    }
};

TEST_F(RealInput, DraggingTheCaptionMovesTheWindow) {
    const HWND hwnd = Attached();
    const RECT before = Rect(hwnd);
    Drag({before.left + 100, before.top + 12}, {before.left + 160, before.top + 52});
    const RECT after = Rect(hwnd);
    EXPECT_EQ(after.left - before.left, 60);
    EXPECT_EQ(after.top - before.top, 40);
    EXPECT_EQ(after.right - after.left, 400);
}

TEST_F(RealInput, DraggingTheRightEdgeResizesAndTheSkinFollows) {
    const HWND hwnd = Attached();
    const RECT before = Rect(hwnd);
    Drag({before.right - 2, before.top + 150}, {before.right + 58, before.top + 150});
    const RECT after = Rect(hwnd);
    EXPECT_EQ(after.right - after.left, 460);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(RecordOf(hwnd).buttonStripX, 460 - 95 + 1);
    // The next paint composed the new size.
    BITMAP back{};
    GetObjectA(GetCurrentObject(RecordOf(hwnd).backBufferDc, OBJ_BITMAP), sizeof back, &back);
    EXPECT_EQ(back.bmWidth, 460);
}

TEST_F(RealInput, ClickingTheCaptionButtonsMaximizesRestoresAndCloses) {
    const HWND hwnd = Attached();
    RECT rect = Rect(hwnd);
    auto click = [](int x, int y) { Drag({x, y}, {x, y}); };
    click(rect.left + 345, rect.top + 10);  // maximize
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(RecordOf(hwnd).isMaximized, 1);
    rect = Rect(hwnd);
    click(rect.right - 55, rect.top + 10);  // the same button, now at the right of the screen
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_EQ(RecordOf(hwnd).isMaximized, 0);
    rect = Rect(hwnd);
    EXPECT_EQ(rect.right - rect.left, 400);
    click(rect.right - 20, rect.top + 10);  // close
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
