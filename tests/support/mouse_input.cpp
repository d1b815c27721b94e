// Real mouse input for tests: absolute moves, presses and drags through SendInput.
#include "tests/support/mouse_input.h"

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

void DragMouse(POINT from, POINT to) {
    SendMouse(from.x, from.y);
    PumpMessages();
    Sleep(50);
    PumpMessages();
    std::thread input([from, to] {
        SendMouse(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= 5; ++i) {
            Sleep(40);
            SendMouse(from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5);
        }
        Sleep(40);
        SendMouse(to.x, to.y, MOUSEEVENTF_LEFTUP);
    });
    const DWORD end = GetTickCount() + 600;
    while (GetTickCount() < end) {
        PumpMessages();
        Sleep(10);
    }
    input.join();
    PumpMessages();
}

}  // namespace qtest
