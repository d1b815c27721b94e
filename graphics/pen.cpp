// Pen: a GDI+ pen that outlines lines, curves and shapes.
#include "graphics/pen.h"

#include "graphics/brush.h"
#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

// Fills `values` from a pen getter after sizing it with the matching count getter.
template <class CountFunction, class ValuesFunction>
int ReadPenArray(Gdiplus::GpPen* pen, CountFunction countFunction, ValuesFunction valuesFunction,
                 std::vector<float>& values) {
    const int count = GetValue<INT>(countFunction, pen);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<float> read(count > 0 ? count : 0);
    if (!read.empty() && !Check(valuesFunction(pen, read.data(), count))) return 0;
    values = std::move(read);
    return 1;
}

}  // namespace

Pen::~Pen() { DeletePen(); }
Pen::Pen(Pen&& other) noexcept { TakeFrom(other); }
Pen& Pen::operator=(Pen&& other) noexcept { ReplaceWith(other); return *this; }

void Pen::SetNativeHandle(void* handle) { nativePen = static_cast<Gdiplus::GpPen*>(handle); }
int Pen::DeleteNativeObject() { return DeletePen(); }

int Pen::DeletePen() { return DeleteWith(GdipDeletePen, nativePen); }

int Pen::CreatePen1(ARGB color, float width, Unit unit) {
    Gdiplus::GpPen* pen = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePen1(color, width, unit, &pen);
    return Adopt(status, pen);
}

int Pen::CreatePen2(const Brush& brush, float width, Unit unit) {
    Gdiplus::GpPen* pen = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePen2(brush.nativeBrush, width, unit, &pen);
    return Adopt(status, pen);
}

int Pen::ClonePen(Pen& target) {
    Gdiplus::GpPen* pen = nullptr;
    const Gdiplus::GpStatus status = GdipClonePen(nativePen, &pen);
    return target.Adopt(status, pen);
}

float Pen::GetPenWidth() { return GetValue<float>(GdipGetPenWidth, nativePen); }
int Pen::SetPenWidth(float width) { return Check(GdipSetPenWidth(nativePen, width)); }
Unit Pen::GetPenUnit() { return GetValue<Unit>(GdipGetPenUnit, nativePen); }
int Pen::SetPenUnit(Unit unit) { return Check(GdipSetPenUnit(nativePen, unit)); }
int Pen::SetPenLineCap197819(LineCap startCap, LineCap endCap, DashCap dashCap) { return Check(GdipSetPenLineCap197819(nativePen, startCap, endCap, dashCap)); }
int Pen::SetPenStartCap(LineCap cap) { return Check(GdipSetPenStartCap(nativePen, cap)); }
int Pen::SetPenEndCap(LineCap cap) { return Check(GdipSetPenEndCap(nativePen, cap)); }
int Pen::SetPenDashCap197819(DashCap cap) { return Check(GdipSetPenDashCap197819(nativePen, cap)); }
LineCap Pen::GetPenStartCap() { return GetValue<LineCap>(GdipGetPenStartCap, nativePen); }
LineCap Pen::GetPenEndCap() { return GetValue<LineCap>(GdipGetPenEndCap, nativePen); }
DashCap Pen::GetPenDashCap197819() { return GetValue<DashCap>(GdipGetPenDashCap197819, nativePen); }
int Pen::SetPenLineJoin(LineJoin join) { return Check(GdipSetPenLineJoin(nativePen, join)); }
LineJoin Pen::GetPenLineJoin() { return GetValue<LineJoin>(GdipGetPenLineJoin, nativePen); }
int Pen::SetPenCustomStartCap(Gdiplus::GpCustomLineCap* cap) { return Check(GdipSetPenCustomStartCap(nativePen, cap)); }
Gdiplus::GpCustomLineCap* Pen::GetPenCustomStartCap() { return GetValue<Gdiplus::GpCustomLineCap*>(GdipGetPenCustomStartCap, nativePen); }
int Pen::SetPenCustomEndCap(Gdiplus::GpCustomLineCap* cap) { return Check(GdipSetPenCustomEndCap(nativePen, cap)); }
Gdiplus::GpCustomLineCap* Pen::GetPenCustomEndCap() { return GetValue<Gdiplus::GpCustomLineCap*>(GdipGetPenCustomEndCap, nativePen); }
int Pen::SetPenMiterLimit(float limit) { return Check(GdipSetPenMiterLimit(nativePen, limit)); }
float Pen::GetPenMiterLimit() { return GetValue<float>(GdipGetPenMiterLimit, nativePen); }
int Pen::SetPenMode(PenAlignment alignment) { return Check(GdipSetPenMode(nativePen, alignment)); }
PenAlignment Pen::GetPenMode() { return GetValue<PenAlignment>(GdipGetPenMode, nativePen); }
int Pen::SetPenTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipSetPenTransform(nativePen, matrix)); }
int Pen::GetPenTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipGetPenTransform(nativePen, matrix)); }
int Pen::ResetPenTransform() { return Check(GdipResetPenTransform(nativePen)); }
int Pen::MultiplyPenTransform(const Gdiplus::GpMatrix* matrix, MatrixOrder order) { return Check(GdipMultiplyPenTransform(nativePen, matrix, order)); }
int Pen::RotatePenTransform(float angle, MatrixOrder order) { return Check(GdipRotatePenTransform(nativePen, angle, order)); }

int Pen::RotatePenTransformAt(float angle, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslatePenTransform(nativePen, dx, dy, order); },
        [&] { return GdipRotatePenTransform(nativePen, angle, order); });
}

int Pen::ScalePenTransform(float sx, float sy, MatrixOrder order) { return Check(GdipScalePenTransform(nativePen, sx, sy, order)); }

int Pen::ScalePenTransformAt(float sx, float sy, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslatePenTransform(nativePen, dx, dy, order); },
        [&] { return GdipScalePenTransform(nativePen, sx, sy, order); });
}

int Pen::TranslatePenTransform(float dx, float dy, MatrixOrder order) { return Check(GdipTranslatePenTransform(nativePen, dx, dy, order)); }
ARGB Pen::GetPenColor() { return GetValue<ARGB>(GdipGetPenColor, nativePen); }
int Pen::SetPenColor(ARGB color) { return Check(GdipSetPenColor(nativePen, color)); }
int Pen::SetPenBrushFill(const Brush& brush) { return Check(GdipSetPenBrushFill(nativePen, brush.nativeBrush)); }

int Pen::GetPenBrushFill(Brush& target) {
    Gdiplus::GpBrush* brush = nullptr;
    const Gdiplus::GpStatus status = GdipGetPenBrushFill(nativePen, &brush);
    return target.Adopt(status, brush);
}

PenType Pen::GetPenFillType() { return GetValue<PenType>(GdipGetPenFillType, nativePen); }
int Pen::SetPenDashStyle(DashStyle style) { return Check(GdipSetPenDashStyle(nativePen, style)); }
DashStyle Pen::GetPenDashStyle() { return GetValue<DashStyle>(GdipGetPenDashStyle, nativePen); }
float Pen::GetPenDashOffset() { return GetValue<float>(GdipGetPenDashOffset, nativePen); }
int Pen::SetPenDashOffset(float offset) { return Check(GdipSetPenDashOffset(nativePen, offset)); }
int Pen::GetPenDashArray(std::vector<float>& dashes) { return ReadPenArray(nativePen, GdipGetPenDashCount, GdipGetPenDashArray, dashes); }
int Pen::SetPenDashArray(const std::vector<float>& dashes) { return Check(GdipSetPenDashArray(nativePen, dashes.data(), Count(dashes))); }
int Pen::SetPenCompoundArray(const std::vector<float>& compounds) { return Check(GdipSetPenCompoundArray(nativePen, compounds.data(), Count(compounds))); }
int Pen::GetPenCompoundArray(std::vector<float>& compounds) { return ReadPenArray(nativePen, GdipGetPenCompoundCount, GdipGetPenCompoundArray, compounds); }

}  // namespace graphics
