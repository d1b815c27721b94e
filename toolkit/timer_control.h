// Timer: ticks every `period` milliseconds through the form's window; 0 stops it.
#pragma once
#include "toolkit/control.h"

namespace toolkit {

class TimerControl : public Control {
public:
    TimerControl(const ControlDefinition& definition, const Timer& settings, UINT_PTR id);
    ~TimerControl() override;

    UINT_PTR Id() const { return id_; }
    int Period() const { return period_; }
    void SetPeriod(int milliseconds);

protected:
    void Create() override;

private:
    HWND TimerWindow() const;
    UINT_PTR id_;
    int period_;
};

}  // namespace toolkit
