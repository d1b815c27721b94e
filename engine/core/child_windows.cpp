// Painting around child windows: a DC that leaves them out, and invalidating them.
#include "engine/core/child_windows.h"

#include "engine/core/window_lookup.h"

namespace skin {

namespace {
template <class Visit>
void ForEachVisibleChild(HWND window, Visit visit) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) visit(child);
    }
}
}  // namespace

HDC GetDcWithoutChildren(HWND window, HDC dc) {
    if (!dc) dc = GetDC(window);
    if (!dc) return nullptr;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    ForEachVisibleChild(window, [&](HWND child) {
        if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) return;
        if (FindWindowRecord(child)) return;
        RECT rect{};
        GetWindowRect(child, &rect);
        ExcludeClipRect(dc, rect.left - origin.x, rect.top - origin.y, rect.right - origin.x,
                        rect.bottom - origin.y);
    });
    return dc;
}

void InvalidateVisibleChildren(HWND window) {
    ForEachVisibleChild(window, [](HWND child) { InvalidateRect(child, nullptr, TRUE); });
}

}  // namespace skin
