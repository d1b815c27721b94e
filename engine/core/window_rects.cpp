// Rectangles of controls relative to their window, their root and their skinned owner.
#include "engine/core/window_rects.h"

#include "engine/core/engine_tables.h"
#include "engine/core/window_lookup.h"

namespace skin {

namespace {
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

RECT Offset(RECT rect, int dx, int dy) {
    OffsetRect(&rect, -dx, -dy);
    return rect;
}
}  // namespace

RECT GetClientRectInWindow(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int ww = outer.right - outer.left;
    const int wh = outer.bottom - outer.top;
    const int cw = client.right - client.left;
    const int ch = client.bottom - client.top;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    // The bars are as wide as the system draws them (17 pixels at 96 DPI on Windows).
    const int barWidth = (style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int barHeight = (style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int bx = FloorHalf(ww - (cw + barWidth));
    const int by = FloorHalf(wh - (ch + barHeight));
    return RECT{bx, by, bx + cw, by + ch};
}

RECT RectRelativeTo(HWND reference, HWND window) {
    RECT outer{}, rect{};
    GetWindowRect(reference, &outer);
    GetWindowRect(window, &rect);
    return Offset(rect, outer.left, outer.top);
}

RECT RectRelativeToRoot(HWND window) { return RectRelativeTo(GetAncestor(window, GA_ROOT), window); }

RECT RectInOwningWindow(HWND control) {
    if (FindWindowRecord(control)) return RECT{};
    const WindowSkinRecord* owner = RecordAt(FindOwningWindow(control));
    HWND ancestor = control;
    while (ancestor && (!owner || ancestor != owner->hwnd)) ancestor = GetParent(ancestor);
    RECT origin{}, rect{};
    GetWindowRect(ancestor, &origin);  // all zero when no owner was found
    GetWindowRect(control, &rect);
    return Offset(rect, origin.left, origin.top);
}

}  // namespace skin
