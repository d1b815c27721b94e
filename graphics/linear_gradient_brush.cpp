// LinearGradientBrush: a GDI+ brush that blends colours along a line.
#include "graphics/linear_gradient_brush.h"

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

Gdiplus::GpBrush* AsBrush(Gdiplus::GpLineGradient* brush) { return brush; }

}  // namespace

Gdiplus::GpLineGradient* LinearGradientBrush::Native() const { return static_cast<Gdiplus::GpLineGradient*>(nativeConcreteBrush); }

int LinearGradientBrush::CreateLineBrush(const PointF& point1, const PointF& point2, ARGB color1, ARGB color2) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrush(&point1, &point2, color1, color2, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::CreateLineBrushI(const Point& point1, const Point& point2, ARGB color1, ARGB color2) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrushI(&point1, &point2, color1, color2, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::CreateLineBrushFromRect(const RectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::CreateLineBrushFromRectI(const Rect& rect, ARGB color1, ARGB color2, LinearGradientMode mode) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::CreateLineBrushFromRectWithAngle(const RectF& rect, ARGB color1, ARGB color2, float angle, BOOL isAngleScalable) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::CreateLineBrushFromRectWithAngleI(const Rect& rect, ARGB color1, ARGB color2, float angle, BOOL isAngleScalable) {
    Gdiplus::GpLineGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle, isAngleScalable, Gdiplus::WrapModeTile, &brush);
    return Adopt(status, AsBrush(brush));
}

int LinearGradientBrush::GetLineColors(ARGB& color1, ARGB& color2) {
    ARGB colors[2] = {0, 0};
    if (!Check(GdipGetLineColors(Native(), colors))) return 0;
    color1 = colors[0];
    color2 = colors[1];
    return 1;
}

int LinearGradientBrush::SetLineColors(ARGB color1, ARGB color2) { return Check(GdipSetLineColors(Native(), color1, color2)); }
int LinearGradientBrush::GetLineRect(RectF& rect) { return Check(GdipGetLineRect(Native(), &rect)); }
int LinearGradientBrush::GetLineRectI(Rect& rect) { return Check(GdipGetLineRectI(Native(), &rect)); }
int LinearGradientBrush::SetLineGammaCorrection(BOOL useGammaCorrection) { return Check(GdipSetLineGammaCorrection(Native(), useGammaCorrection)); }
BOOL LinearGradientBrush::GetLineGammaCorrection() { return GetValue<BOOL>(GdipGetLineGammaCorrection, Native()); }

int LinearGradientBrush::SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (positions.size() < factors.size()) return Check(Gdiplus::InvalidParameter);
    return Check(GdipSetLineBlend(Native(), factors.data(), positions.data(), Count(factors)));
}

int LinearGradientBrush::GetLineBlendCount() { return GetValue<INT>(GdipGetLineBlendCount, Native()); }
int LinearGradientBrush::GetLineBlend(std::vector<float>& factors, std::vector<float>& positions) { return ReadBlend(Native(), GdipGetLineBlendCount, GdipGetLineBlend, factors, positions); }

int LinearGradientBrush::SetLinePresetBlend(const std::vector<ARGB>& colors, const std::vector<float>& positions) {
    if (positions.size() < colors.size()) return Check(Gdiplus::InvalidParameter);
    return Check(GdipSetLinePresetBlend(Native(), colors.data(), positions.data(), Count(colors)));
}

int LinearGradientBrush::GetLinePresetBlendCount() { return GetValue<INT>(GdipGetLinePresetBlendCount, Native()); }
int LinearGradientBrush::GetLinePresetBlend(std::vector<ARGB>& colors, std::vector<float>& positions) { return ReadBlend(Native(), GdipGetLinePresetBlendCount, GdipGetLinePresetBlend, colors, positions); }
int LinearGradientBrush::SetLineSigmaBlend(float focus, float scale) { return Check(GdipSetLineSigmaBlend(Native(), focus, scale)); }
int LinearGradientBrush::SetLineLinearBlend(float focus, float scale) { return Check(GdipSetLineLinearBlend(Native(), focus, scale)); }
WrapMode LinearGradientBrush::GetLineWrapMode() { return GetValue<WrapMode>(GdipGetLineWrapMode, Native()); }
int LinearGradientBrush::SetLineWrapMode(WrapMode mode) { return Check(GdipSetLineWrapMode(Native(), mode)); }
int LinearGradientBrush::GetLineTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipGetLineTransform(Native(), matrix)); }
int LinearGradientBrush::SetLineTransform(const Gdiplus::GpMatrix* matrix) { return Check(GdipSetLineTransform(Native(), matrix)); }
int LinearGradientBrush::ResetLineTransform() { return Check(GdipResetLineTransform(Native())); }
int LinearGradientBrush::MultiplyLineTransform(const Gdiplus::GpMatrix* matrix, MatrixOrder order) { return Check(GdipMultiplyLineTransform(Native(), matrix, order)); }
int LinearGradientBrush::TranslateLineTransform(float dx, float dy, MatrixOrder order) { return Check(GdipTranslateLineTransform(Native(), dx, dy, order)); }
int LinearGradientBrush::ScaleLineTransform(float sx, float sy, MatrixOrder order) { return Check(GdipScaleLineTransform(Native(), sx, sy, order)); }

int LinearGradientBrush::ScaleLineTransformAt(float sx, float sy, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslateLineTransform(Native(), dx, dy, order); },
        [&] { return GdipScaleLineTransform(Native(), sx, sy, order); });
}

int LinearGradientBrush::RotateLineTransform(float angle, MatrixOrder order) { return Check(GdipRotateLineTransform(Native(), angle, order)); }

int LinearGradientBrush::RotateLineTransformAt(float angle, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslateLineTransform(Native(), dx, dy, order); },
        [&] { return GdipRotateLineTransform(Native(), angle, order); });
}

}  // namespace graphics
