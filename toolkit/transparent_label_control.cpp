// Transparent label control: parent surface, then the text, all off-screen.
#include "toolkit/transparent_label_control.h"

#include <utility>

#include "toolkit/text.h"
#include "toolkit/text_painter.h"
#include "toolkit/window_table.h"

namespace toolkit {

TransparentLabelControl::TransparentLabelControl(const ControlDefinition& definition,
                                                 TransparentLabel settings)
    : Control(definition.name, BoundsOf(definition), definition.events),
      settings_(std::move(settings)) {}

void TransparentLabelControl::Create() { CreateChild(SURFACE_CLASS, 0, settings_.text); }

void TransparentLabelControl::SetText(const std::string& text) {
    if (text == settings_.text) return;
    settings_.text = text;
    // The window text too, so accessibility tools and window lists read the label.
    Control::SetText(text);
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TransparentLabelControl::SetTextColor(COLORREF color) {
    if (color == settings_.color) return;
    settings_.color = color;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TransparentLabelControl::PaintSurface(HDC dc, const RECT& area) {
    PaintParentSurface(dc, area);
    if (settings_.text.empty()) return;
    const RECT& b = Bounds();
    const RECT box = {-area.left, -area.top, b.right - b.left - area.left, b.bottom - b.top - area.top};
    DrawLabelText(dc, box, Widen(settings_.text), settings_);
}

HCURSOR TransparentLabelControl::CursorShape() const {
    switch (settings_.cursor) {
    case Cursor::Hand: return LoadCursorA(nullptr, IDC_HAND);
    case Cursor::Help: return LoadCursorA(nullptr, IDC_HELP);
    case Cursor::Arrow: break;
    }
    return LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace toolkit
