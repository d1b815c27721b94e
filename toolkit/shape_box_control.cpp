// Shape box control: a rectangle outline of the given width inside the bounds.
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
    const int line = settings_.lineWidth;
    if (line <= 0) return;
    // Four bands inside the bounds: square corners, and a wide line never spills over.
    RECT box = Bounds();
    OffsetRect(&box, -box.left - area.left, -box.top - area.top);
    const RECT bands[] = {
        {box.left, box.top, box.right, box.top + line},
        {box.left, box.bottom - line, box.right, box.bottom},
        {box.left, box.top + line, box.left + line, box.bottom - line},
        {box.right - line, box.top + line, box.right, box.bottom - line},
    };
    GdiObject<HBRUSH> brush(CreateSolidBrush(settings_.lineColor));
    if (!brush) return;
    for (const RECT& band : bands) FillRect(dc, &band, brush.get());
}

}  // namespace toolkit
