// Timer control: a SetTimer on the form's window, routed back by id.
#include "toolkit/timer_control.h"

#include "toolkit/form.h"

namespace toolkit {

TimerControl::TimerControl(const ControlDefinition& definition, const Timer& settings, UINT_PTR id)
    : Control(definition.name, BoundsOf(definition), definition.events),
      id_(id),
      period_(settings.period) {}

TimerControl::~TimerControl() {
    if (HWND window = TimerWindow()) KillTimer(window, id_);
}

HWND TimerControl::TimerWindow() const { return OwnerForm() ? OwnerForm()->Handle() : nullptr; }

void TimerControl::Create() { SetPeriod(period_); }

void TimerControl::SetPeriod(int milliseconds) {
    period_ = milliseconds > 0 ? milliseconds : 0;
    HWND window = TimerWindow();
    if (!window) return;
    if (period_ > 0)
        SetTimer(window, id_, static_cast<UINT>(period_), nullptr);
    else
        KillTimer(window, id_);
}

}  // namespace toolkit
