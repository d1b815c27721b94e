// Attached windows driven by real mouse input: dragging, resizing and caption-button clicks.
#include <gtest/gtest.h>

#include "tests/frame/engine_fixture.h"
#include "tests/support/mouse_input.h"

namespace {

using qtest::EngineFixture;

void Drag(POINT from, POINT to) { qtest::DragMouse(from, to); }

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
