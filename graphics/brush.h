// Brush: the layer the solid, linear-gradient and path-gradient brushes share.
#pragma once
#include "graphics/gdiplus_object.h"

namespace graphics {

// Holds a native brush of any kind. The concrete brush classes keep the same handle in
// nativeConcreteBrush for their type-specific operations. A plain Brush receives brushes whose
// kind is not known in advance (Pen::GetPenBrushFill).
class Brush : public GdiplusObject {
public:
    Brush() = default;
    // Deletes the native brush.
    ~Brush() override;
    Brush(Brush&& other) noexcept;
    Brush& operator=(Brush&& other) noexcept;

    // Stores nativeBrush, then calls OnNativeChanged.
    void SetNativeHandle(void* handle) override;
    // Stores nativeConcreteBrush.
    virtual void OnNativeChanged(void* handle);
    int DeleteNativeObject() override;

    virtual int DeleteBrush();
    // Puts a new native copy of this brush into `target`.
    virtual int CloneBrush(Brush& target);
    virtual BrushType GetBrushType();

    Gdiplus::GpBrush* nativeBrush = nullptr;
    Gdiplus::GpBrush* nativeConcreteBrush = nullptr;
};

}  // namespace graphics
