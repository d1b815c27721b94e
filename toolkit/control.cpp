// The control base: native window creation, events, see-through painting and surface presses.
#include "toolkit/control.h"

#include <utility>

#include "toolkit/form.h"
#include "toolkit/paint_buffered.h"
#include "toolkit/text.h"
#include "toolkit/window_table.h"

namespace toolkit {

Control::Control(std::string name, RECT bounds, std::vector<EventBinding> events)
    : name_(std::move(name)), bounds_(bounds), events_(std::move(events)) {}

Control::~Control() {
    if (hwnd_) UnmapHandle(hwnd_);
}

std::string Control::Text() const {
    if (!hwnd_) return {};
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, &text[0], length + 1)));
    return Narrow(text);
}

void Control::SetText(const std::string& text) {
    if (hwnd_) SetWindowTextW(hwnd_, Widen(text).c_str());
}

void Control::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

bool Control::Raise(Event event, int first, int second) {
    bool ran = false;
    // A handler may bind or destroy things; run over a copy of the bindings it can see now.
    const std::vector<EventBinding> bindings = events_;
    for (const auto& binding : bindings) {
        if (binding.event != event || !binding.handler) continue;
        binding.handler(first, second);
        ran = true;
    }
    return ran;
}

bool Control::HasHandler(Event event) const {
    for (const auto& binding : events_)
        if (binding.event == event && binding.handler) return true;
    return false;
}

HWND Control::ParentHandle() const { return parent_ ? parent_->Handle() : nullptr; }

HWND Control::CreateChild(const wchar_t* windowClass, DWORD style, const std::string& text) {
    // Our own classes receive `this` through WM_NCCREATE; standard controls are mapped here.
    HWND hwnd = CreateWindowExW(0, windowClass, Widen(text).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, bounds_.left,
                                bounds_.top, bounds_.right - bounds_.left,
                                bounds_.bottom - bounds_.top, ParentHandle(), nullptr,
                                GetModuleHandleW(nullptr), this);
    if (hwnd && !ControlFromHandle(hwnd)) {
        MapHandle(hwnd, this);
        hwnd_ = hwnd;
    }
    return hwnd;
}

void Control::PaintSurface(HDC dc, const RECT& area) { PaintParentSurface(dc, area); }

void Control::PaintParentSurface(HDC dc, const RECT& area) {
    if (!parent_) {
        const RECT place = AtOrigin(area);
        FillRect(dc, &place, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    RECT inParent = area;
    OffsetRect(&inParent, bounds_.left, bounds_.top);
    parent_->PaintSurface(dc, inParent);
}

void Control::Redraw() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HCURSOR Control::CursorShape() const { return LoadCursorA(nullptr, IDC_ARROW); }

void Control::OnLeftButtonDown(int x, int y) {
    Raise(Event::LeftButtonDown, x, y);
    // The handler may have destroyed the window or run a modal loop that saw the button go
    // up; only a press that is still held becomes a drag.
    if (!hwnd_ || !form_ || !form_->IsAlive()) return;
    if (GetKeyState(VK_LBUTTON) < 0) form_->BeginDrag();
}

void Control::OnCommand(int) {}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers everything off-screen
    case WM_PAINT:
        PaintBuffered(hwnd_, [this](HDC dc, const RECT& client) { PaintSurface(dc, client); });
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(CursorShape());
            return TRUE;
        }
        break;
    case WM_COMMAND:
        // Notifications of standard child controls go to their own control object.
        if (Control* child = ControlFromHandle(reinterpret_cast<HWND>(lParam))) {
            child->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace toolkit
