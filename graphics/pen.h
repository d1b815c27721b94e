// Pen: a GDI+ pen that outlines lines, curves and shapes.
#pragma once
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

class Brush;

// Each operation calls "Gdip" + its name on nativePen, under the conventions of Graphics.
class Pen : public GdiplusObject {
public:
    Pen() = default;
    // Deletes the native pen.
    ~Pen() override;
    Pen(Pen&& other) noexcept;
    Pen& operator=(Pen&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeletePen();
    virtual int CreatePen1(ARGB color, float width, Unit unit = Gdiplus::UnitWorld);
    // A pen whose strokes are filled with `brush`.
    virtual int CreatePen2(const Brush& brush, float width, Unit unit = Gdiplus::UnitWorld);
    // Puts a new native copy of this pen into `target`.
    virtual int ClonePen(Pen& target);
    virtual float GetPenWidth();
    virtual int SetPenWidth(float width);
    virtual Unit GetPenUnit();
    virtual int SetPenUnit(Unit unit);
    virtual int SetPenLineCap197819(LineCap startCap, LineCap endCap, DashCap dashCap);
    virtual int SetPenStartCap(LineCap cap);
    virtual int SetPenEndCap(LineCap cap);
    virtual int SetPenDashCap197819(DashCap cap);
    virtual LineCap GetPenStartCap();
    virtual LineCap GetPenEndCap();
    virtual DashCap GetPenDashCap197819();
    virtual int SetPenLineJoin(LineJoin join);
    virtual LineJoin GetPenLineJoin();
    virtual int SetPenCustomStartCap(Gdiplus::GpCustomLineCap* cap);
    // A new custom cap owned by the caller (GdipDeleteCustomLineCap).
    virtual Gdiplus::GpCustomLineCap* GetPenCustomStartCap();
    virtual int SetPenCustomEndCap(Gdiplus::GpCustomLineCap* cap);
    virtual Gdiplus::GpCustomLineCap* GetPenCustomEndCap();
    virtual int SetPenMiterLimit(float limit);
    virtual float GetPenMiterLimit();
    virtual int SetPenMode(PenAlignment alignment);
    virtual PenAlignment GetPenMode();
    virtual int SetPenTransform(Gdiplus::GpMatrix* matrix);
    // Writes the pen's transform into `matrix`.
    virtual int GetPenTransform(Gdiplus::GpMatrix* matrix);
    virtual int ResetPenTransform();
    virtual int MultiplyPenTransform(const Gdiplus::GpMatrix* matrix,
                                     MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int RotatePenTransform(float angle, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Rotates the pen's transform about `point`, which keeps its place.
    virtual int RotatePenTransformAt(float angle, const PointF& point,
                                     MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int ScalePenTransform(float sx, float sy,
                                  MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Scales the pen's transform about `point`, which keeps its place.
    virtual int ScalePenTransformAt(float sx, float sy, const PointF& point,
                                    MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int TranslatePenTransform(float dx, float dy,
                                      MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual ARGB GetPenColor();
    virtual int SetPenColor(ARGB color);
    virtual int SetPenBrushFill(const Brush& brush);
    // Puts a new native brush, a copy of the pen's fill, into `target`.
    virtual int GetPenBrushFill(Brush& target);
    virtual PenType GetPenFillType();
    virtual int SetPenDashStyle(DashStyle style);
    virtual DashStyle GetPenDashStyle();
    virtual float GetPenDashOffset();
    virtual int SetPenDashOffset(float offset);
    // Replaces `dashes` by the pen's dash pattern (sized by GdipGetPenDashCount first).
    virtual int GetPenDashArray(std::vector<float>& dashes);
    virtual int SetPenDashArray(const std::vector<float>& dashes);
    virtual int SetPenCompoundArray(const std::vector<float>& compounds);
    // Replaces `compounds` by the pen's compound array (sized by GdipGetPenCompoundCount).
    virtual int GetPenCompoundArray(std::vector<float>& compounds);

    Gdiplus::GpPen* nativePen = nullptr;
};

// The native object of an optional Pen argument (null for none).
inline Gdiplus::GpPen* NativeOf(const Pen* pen) {
    return pen != nullptr ? pen->nativePen : nullptr;
}

}  // namespace graphics
