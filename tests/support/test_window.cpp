// Real top-level test windows with child controls, destroyed when the fixture goes.
#include "tests/support/test_window.h"

#include <commctrl.h>

namespace qtest {

namespace {
constexpr char CLASS_NAME[] = "QorvelTestWindow";

const char* RegisterTestClass() {
    static const bool registered = [] {
        // Common controls for the children (track bars, list views, ...) and the tool tips.
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = CLASS_NAME;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
    return CLASS_NAME;
}
}  // namespace

TestWindow::TestWindow(int width, int height, DWORD style, const char* title) {
    hwnd_ = CreateWindowExA(0, RegisterTestClass(), title, style, 40, 40, width, height, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_) {
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        PumpMessages();
    }
}

TestWindow::~TestWindow() { Destroy(); }

HWND TestWindow::AddChild(const char* className, DWORD style, int x, int y, int width, int height,
                          DWORD exStyle, HWND parent, const char* text) {
    return CreateWindowExA(exStyle, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width,
                           height, parent ? parent : hwnd_, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

void TestWindow::Destroy() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    PumpMessages();
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace qtest
