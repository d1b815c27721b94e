// Makes the control object that a definition row describes.
#pragma once
#include <memory>

#include "toolkit/control.h"

namespace toolkit {

std::unique_ptr<Control> MakeControl(const ControlDefinition& definition);

}  // namespace toolkit
