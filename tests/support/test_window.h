// Real top-level test windows with child controls, destroyed when the fixture goes.
#pragma once
#include <windows.h>

#include <string>

namespace qtest {

// A visible overlapped window of the given outer size at (40, 40), on the virtual display
// the test script provides. Children are created with AddChild; the window (and with it
// every child) is destroyed by the destructor unless Destroy ran first.
class TestWindow {
public:
    explicit TestWindow(int width = 320, int height = 240, DWORD style = WS_OVERLAPPEDWINDOW,
                        const char* title = "test window");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

    // A visible child control of class `className` (WS_CHILD | WS_VISIBLE are added) inside
    // `parent`, or inside this window when `parent` is null.
    HWND AddChild(const char* className, DWORD style, int x, int y, int width, int height,
                  DWORD exStyle = 0, HWND parent = nullptr, const char* text = "");

    // Destroys the window now (idempotent).
    void Destroy();

private:
    HWND hwnd_ = nullptr;
};

// Dispatches every message waiting for this thread, so that a check sees a settled window.
void PumpMessages();

}  // namespace qtest
