// Push button control over the system's BUTTON class.
#include "toolkit/push_button_control.h"

#include <utility>

namespace toolkit {

PushButtonControl::PushButtonControl(const ControlDefinition& definition, PushButton settings)
    : Control(definition.name, BoundsOf(definition), definition.events),
      settings_(std::move(settings)) {}

void PushButtonControl::Create() {
    if (HWND button = CreateChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, settings_.caption))
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void PushButtonControl::OnCommand(int notifyCode) {
    if (notifyCode == BN_CLICKED) Raise(Event::Clicked);
}

}  // namespace toolkit
