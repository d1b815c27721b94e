// Brush: the layer the solid, linear-gradient and path-gradient brushes share.
#include "graphics/brush.h"

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

Brush::~Brush() { DeleteBrush(); }
Brush::Brush(Brush&& other) noexcept { TakeFrom(other); }
Brush& Brush::operator=(Brush&& other) noexcept { ReplaceWith(other); return *this; }

void Brush::SetNativeHandle(void* handle) {
    nativeBrush = static_cast<Gdiplus::GpBrush*>(handle);
    OnNativeChanged(handle);
}
void Brush::OnNativeChanged(void* handle) { nativeConcreteBrush = static_cast<Gdiplus::GpBrush*>(handle); }
int Brush::DeleteNativeObject() { return DeleteBrush(); }

int Brush::DeleteBrush() { return DeleteWith(GdipDeleteBrush, nativeBrush); }

int Brush::CloneBrush(Brush& target) {
    Gdiplus::GpBrush* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCloneBrush(nativeBrush, &brush);
    return target.Adopt(status, brush);
}

BrushType Brush::GetBrushType() { return GetValue<BrushType>(GdipGetBrushType, nativeBrush); }

}  // namespace graphics
