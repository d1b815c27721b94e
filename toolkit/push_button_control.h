// Push button: a standard button whose click raises Clicked; its caption reads and writes.
#pragma once
#include "toolkit/control.h"

namespace toolkit {

class PushButtonControl : public Control {
public:
    PushButtonControl(const ControlDefinition& definition, PushButton settings);

    void OnCommand(int notifyCode) override;

protected:
    void Create() override;

private:
    PushButton settings_;
};

}  // namespace toolkit
