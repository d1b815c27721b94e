// Real mouse input for tests: absolute moves, presses and drags through SendInput.
#include "tests/support/mouse_input.h"

#include <atomic>
#include <thread>

#include "tests/support/test_window.h"

namespace qtest {

void SendMouse(int x, int y, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65535 + width / 2) / (width - 1);
    input.mi.dy = (y * 65535 + height / 2) / (height - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &input, sizeof input);
}

namespace {

// Waits up to `milliseconds` for `thread` to capture the mouse; false when it does not.
bool WaitForCapture(DWORD thread, DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndCapture) return true;
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    return false;
}

}  // namespace

void DragMouse(POINT from, POINT to) {
    SendMouse(from.x, from.y);
    PumpMessages();
    Sleep(50);
    PumpMessages();
    const DWORD windowThread = GetCurrentThreadId();
    std::atomic<bool> released{false};
    std::thread input([from, to, windowThread, &released] {
        SendMouse(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
        // A press that starts a move or size loop is followed by a capture. Moving and releasing
        // before the window's thread has got that far (a busy machine) would send the release
        // to whatever lies under the cursor, outside the window, and the loop would wait for it
        // forever. A plain click captures nothing: then the wait just runs out.
        WaitForCapture(windowThread, 2000);
        for (int i = 1; i <= 5; ++i) {
            Sleep(40);
            SendMouse(from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5);
        }
        Sleep(40);
        SendMouse(to.x, to.y, MOUSEEVENTF_LEFTUP);
        released = true;
    });
    // Pump until the release has been sent, and for a while after it, so that what the drag
    // set off has happened when this returns.
    const DWORD start = GetTickCount();
    while (!released || GetTickCount() - start < 600) {
        PumpMessages();
        Sleep(10);
        if (GetTickCount() - start > 10000) break;  // never hang a test run
    }
    input.join();
    PumpMessages();
}

}  // namespace qtest
