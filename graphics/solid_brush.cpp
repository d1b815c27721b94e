// SolidBrush: a GDI+ brush that fills with one colour.
#include "graphics/solid_brush.h"

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

Gdiplus::GpSolidFill* SolidBrush::Native() const { return static_cast<Gdiplus::GpSolidFill*>(nativeConcreteBrush); }

int SolidBrush::CreateSolidFill(ARGB color) {
    Gdiplus::GpSolidFill* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateSolidFill(color, &brush);
    return Adopt(status, static_cast<Gdiplus::GpBrush*>(brush));
}

int SolidBrush::SetSolidFillColor(ARGB color) { return Check(GdipSetSolidFillColor(Native(), color)); }
ARGB SolidBrush::GetSolidFillColor() { return GetValue<ARGB>(GdipGetSolidFillColor, Native()); }

}  // namespace graphics
