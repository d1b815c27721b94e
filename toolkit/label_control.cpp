// Label control: a see-through child window that only carries a name, text and events.
#include "toolkit/label_control.h"

#include "toolkit/window_table.h"

namespace toolkit {

LabelControl::LabelControl(const ControlDefinition& definition)
    : Control(definition.name, BoundsOf(definition), definition.events) {}

void LabelControl::Create() { CreateChild(SURFACE_CLASS, 0, ""); }

}  // namespace toolkit
