// Routes the messages of the toolkit's windows to their controls.
#include "toolkit/window_table.h"

#include <unordered_map>

#include "toolkit/control.h"

namespace toolkit {

const wchar_t FORM_CLASS[] = L"QorvelForm";
const wchar_t SURFACE_CLASS[] = L"QorvelSurface";
const wchar_t WEB_VIEW_CLASS[] = L"QorvelWebView";

namespace {

std::unordered_map<HWND, Control*>& Table() {
    static std::unordered_map<HWND, Control*> table;
    return table;
}

bool RegisterWindowClass(const wchar_t* name) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ToolkitWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    // No background brush: every kind paints its whole client area itself, off-screen.
    if (RegisterClassExW(&windowClass)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool RegisterToolkitClasses() {
    static const bool registered =
        RegisterWindowClass(FORM_CLASS) && RegisterWindowClass(SURFACE_CLASS) &&
        RegisterWindowClass(WEB_VIEW_CLASS);
    return registered;
}

Control* ControlFromHandle(HWND hwnd) {
    auto found = Table().find(hwnd);
    return found == Table().end() ? nullptr : found->second;
}

void MapHandle(HWND hwnd, Control* control) {
    if (hwnd) Table()[hwnd] = control;
}

void UnmapHandle(HWND hwnd) { Table().erase(hwnd); }

LRESULT CALLBACK ToolkitWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The control rides in on CreateWindowExW's parameter, so that the messages sent
        // during creation already reach it.
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* control = static_cast<Control*>(create->lpCreateParams)) {
            MapHandle(hwnd, control);
            control->AttachHandle(hwnd);
        }
    }
    // Messages that come before WM_NCCREATE (WM_GETMINMAXINFO) find no control yet.
    Control* control = ControlFromHandle(hwnd);
    if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = control->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // A handler's failure must not unwind through user32.
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        UnmapHandle(hwnd);
        control->DetachHandle();
    }
    return result;
}

}  // namespace toolkit
