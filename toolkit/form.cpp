// The form: the top-level window, its controls in definition order, hot keys and timers.
#include "toolkit/form.h"

#include <utility>

#include "toolkit/control_factory.h"
#include "toolkit/hot_key_routes.h"
#include "toolkit/text.h"
#include "toolkit/timer_control.h"
#include "toolkit/window_table.h"

namespace toolkit {

namespace {
RECT WindowBounds(const WindowSettings& w) { return {w.x, w.y, w.x + w.width, w.y + w.height}; }
}  // namespace

Form::Form(FormDefinition definition, Services& services)
    : Control(definition.window.name, WindowBounds(definition.window), std::move(definition.windowEvents)),
      settings_(std::move(definition.window)),
      definitions_(std::move(definition.controls)),
      services_(services) {}

Form::~Form() {
    Destroy();
    // Children go before the form's own record of them.
    controls_.clear();
}

bool Form::Build() {
    if (Handle() || !RegisterToolkitClasses()) return false;
    Create();
    if (!Handle()) return false;
    SetOwner(this, nullptr);
    for (const auto& definition : definitions_) {
        Control* parent = Find(definition.parent);
        // A row naming no known parent lands on the window rather than being lost.
        if (!parent || !parent->Handle()) parent = this;
        std::unique_ptr<Control> control = MakeControl(definition);
        control->SetOwner(this, parent);
        controls_.push_back(std::move(control));
        controls_.back()->Create();
    }
    Raise(Event::Created);
    // The creation handler may have closed the window already.
    if (IsAlive() && settings_.visible) {
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
    }
    return IsAlive();
}

void Form::Create() {
    DWORD style = WS_CLIPCHILDREN | (settings_.border ? WS_OVERLAPPEDWINDOW : WS_POPUP);
    DWORD exStyle = settings_.inTaskBar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (settings_.topMost) exStyle |= WS_EX_TOPMOST;
    int x = settings_.x, y = settings_.y;
    if (settings_.centred) {
        RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - settings_.width) / 2;
        y = work.top + (work.bottom - work.top - settings_.height) / 2;
    }
    CreateWindowExW(exStyle, FORM_CLASS, Widen(settings_.text).c_str(), style, x, y,
                    settings_.width, settings_.height, nullptr, nullptr, GetModuleHandleW(nullptr),
                    static_cast<Control*>(this));
}

void Form::Destroy() {
    if (Handle()) DestroyWindow(Handle());
}

void Form::Show() {
    if (Handle()) ShowWindow(Handle(), SW_SHOW);
}

void Form::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

Control* Form::Find(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (const auto& control : controls_)
        if (control->Name() == name) return control.get();
    return nullptr;
}

void Form::BeginDrag() {
    if (!Handle() || !settings_.dragAnywhere) return;
    POINT cursor;
    GetCursorPos(&cursor);
    ReleaseCapture();
    SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void Form::PaintSurface(HDC dc, const RECT& area) {
    const RECT place = AtOrigin(area);
    HBRUSH brush = CreateSolidBrush(settings_.background);
    FillRect(dc, &place, brush ? brush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (brush) DeleteObject(brush);
}

void Form::OnHotKey(int id, LPARAM keyData) {
    Control* receiver = ControlFromHandle(HotKeyReceiver(Handle(), id));
    if (receiver) receiver->Raise(Event::Feedback, id, static_cast<int>(keyData));
}

void Form::OnTimer(UINT_PTR id) {
    for (const auto& control : controls_) {
        auto* timer = dynamic_cast<TimerControl*>(control.get());
        if (timer && timer->Id() == id) timer->Raise(Event::TimerTick);
    }
}

void Form::ReleaseHandles() {
    // Standard child controls never pass through our window procedure: forget them here.
    for (const auto& control : controls_) {
        if (control->Handle()) UnmapHandle(control->Handle());
        control->DetachHandle();
    }
    DropHotKeyRoutes(Handle());
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        if (settings_.dragAnywhere) {
            const LRESULT hit = DefWindowProcW(Handle(), message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        break;
    case WM_HOTKEY:
        OnHotKey(static_cast<int>(wParam), lParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_NCDESTROY:
        ReleaseHandles();
        break;
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit
