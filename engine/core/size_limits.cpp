// Size limits of attached windows: track sizes and the maximized placement on the work area.
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_messages.h"

namespace skin {

namespace {
// The work area (the screen without its task bars) of the monitor the window is on, in
// screen coordinates, and that monitor's rectangle.
void MonitorAreas(HWND hwnd, RECT* work, RECT* monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
        *work = info.rcWork;
        *monitor = info.rcMonitor;
    } else {
        *monitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        *work = *monitor;
    }
}
}  // namespace

void OnGetMinMaxInfo(int index, HWND hwnd, MINMAXINFO* info) {
    const WindowSkinRecord* record = RecordAt(index);
    if (!record || !info) return;
    info->ptMinTrackSize = {record->minTrackWidth, record->minTrackHeight};
    if (record->isMaximized != 0) {
        // Maximized onto the work area of its own monitor, wherever its task bars are.
        RECT work{}, monitor{};
        MonitorAreas(hwnd, &work, &monitor);
        const LONG width = work.right - work.left;
        const LONG height = work.bottom - work.top;
        info->ptMaxTrackSize = {width, height};
        info->ptMaxSize = {width, height};
        info->ptMaxPosition = {work.left - monitor.left, work.top - monitor.top};
    } else {
        info->ptMaxTrackSize = {record->maxTrackWidth, record->maxTrackHeight};
    }
}

void OnWindowPosChanged(SkinEngine& engine, int index, HWND hwnd) {
    WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    if (record->showMaximizeButton == 1) {
        RECT client{}, work{}, monitor{};
        GetClientRect(hwnd, &client);
        MonitorAreas(hwnd, &work, &monitor);
        // A maximizable window that fills its screen is treated as maximized and kept off
        // the task bars.
        if (client.right == monitor.right - monitor.left &&
            client.bottom == monitor.bottom - monitor.top) {
            record->isMaximized = 1;
            RECT window{};
            GetWindowRect(hwnd, &window);
            if (!EqualRect(&window, &work)) {
                SetWindowPos(hwnd, nullptr, work.left, work.top, work.right - work.left,
                             work.bottom - work.top, SWP_NOZORDER | SWP_NOOWNERZORDER);
            }
        }
    }
    engine.LayoutCaptionButtons(index);
    record = RecordAt(index);
    if (record && record->bottomBarHeight > 0) engine.LayoutBottomBar(index);
}

}  // namespace skin
