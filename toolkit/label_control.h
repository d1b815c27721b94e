// Label: an invisible text holder that receives hot-key presses as its Feedback event.
#pragma once
#include "toolkit/control.h"

namespace toolkit {

class LabelControl : public Control {
public:
    explicit LabelControl(const ControlDefinition& definition);

protected:
    void Create() override;
};

}  // namespace toolkit
