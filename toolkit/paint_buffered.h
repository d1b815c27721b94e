// PaintBuffered: a whole WM_PAINT drawn off-screen and copied to the screen once (no flicker).
#pragma once
#include <windows.h>

#include "toolkit/gdi_guards.h"

namespace toolkit {

template <class Paint>
void PaintBuffered(HWND hwnd, Paint&& paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    MemorySurface surface(dc, client.right, client.bottom);
    if (surface) {
        paint(surface.dc(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    } else {
        paint(dc, client);  // out of memory for the buffer: paint directly, flicker and all
    }
    EndPaint(hwnd, &ps);
}

}  // namespace toolkit
