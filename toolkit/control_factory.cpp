// One control object per definition row, chosen by the kind of its settings.
#include "toolkit/control_factory.h"

#include "toolkit/label_control.h"
#include "toolkit/picture_box_control.h"
#include "toolkit/push_button_control.h"
#include "toolkit/shape_box_control.h"
#include "toolkit/timer_control.h"
#include "toolkit/transparent_label_control.h"
#include "toolkit/web_view_control.h"

namespace toolkit {

namespace {
struct Maker {
    const ControlDefinition& row;
    std::unique_ptr<Control> operator()(const ShapeBox& s) const { return std::make_unique<ShapeBoxControl>(row, s); }
    std::unique_ptr<Control> operator()(const PictureBox& s) const { return std::make_unique<PictureBoxControl>(row, s); }
    std::unique_ptr<Control> operator()(const Label&) const { return std::make_unique<LabelControl>(row); }
    std::unique_ptr<Control> operator()(const PushButton& s) const { return std::make_unique<PushButtonControl>(row, s); }
    std::unique_ptr<Control> operator()(const WebView& s) const { return std::make_unique<WebViewControl>(row, s); }
    std::unique_ptr<Control> operator()(const TransparentLabel& s) const {
        return std::make_unique<TransparentLabelControl>(row, s);
    }
    std::unique_ptr<Control> operator()(const Timer& s) const {
        // Timer ids only need to be unique within one form's window.
        static UINT_PTR nextId = 1;
        return std::make_unique<TimerControl>(row, s, nextId++);
    }
};
}  // namespace

std::unique_ptr<Control> MakeControl(const ControlDefinition& definition) {
    return std::visit(Maker{definition}, definition.settings);
}

}  // namespace toolkit
