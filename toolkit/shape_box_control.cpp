// Shape box control: outline with PS_INSIDEFRAME so a wide line stays within the bounds.
#include "toolkit/shape_box_control.h"

#include "toolkit/gdi_guards.h"
#include "toolkit/window_table.h"

namespace toolkit {

ShapeBoxControl::ShapeBoxControl(const ControlDefinition& definition, const ShapeBox& settings)
    : Control(definition.name, BoundsOf(definition), definition.events), settings_(settings) {}

void ShapeBoxControl::Create() { CreateChild(SURFACE_CLASS, WS_CLIPCHILDREN, ""); }

void ShapeBoxControl::SetLineColor(COLORREF color) {
    if (color == settings_.lineColor) return;
    settings_.lineColor = color;
    // Only the line's own pixels change; children covering the middle keep their pictures.
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void ShapeBoxControl::PaintSurface(HDC dc, const RECT& area) {
    PaintParentSurface(dc, area);
    if (settings_.lineWidth <= 0) return;
    const RECT bounds = Bounds();
    GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, settings_.lineWidth, settings_.lineColor));
    if (!pen) return;
    Selection penSelection(dc, pen.get());
    Selection brushSelection(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, -area.left, -area.top, bounds.right - bounds.left - area.left,
              bounds.bottom - bounds.top - area.top);
}

}  // namespace toolkit
