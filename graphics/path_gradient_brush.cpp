// PathGradientBrush: a GDI+ brush that blends from a centre colour to the colours of an outline.
#include "graphics/path_gradient_brush.h"

#include "graphics/flat_call.h"
#include "graphics/graphics_path.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

Gdiplus::GpBrush* AsBrush(Gdiplus::GpPathGradient* brush) { return brush; }

}  // namespace

Gdiplus::GpPathGradient* PathGradientBrush::Native() const { return static_cast<Gdiplus::GpPathGradient*>(nativeConcreteBrush); }

int PathGradientBrush::CreatePathGradient(const std::vector<PointF>& points, WrapMode wrapMode) {
    Gdiplus::GpPathGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePathGradient(points.data(), Count(points), wrapMode, &brush);
    return Adopt(status, AsBrush(brush));
}

int PathGradientBrush::CreatePathGradientI(const std::vector<Point>& points, WrapMode wrapMode) {
    Gdiplus::GpPathGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePathGradientI(points.data(), Count(points), wrapMode, &brush);
    return Adopt(status, AsBrush(brush));
}

int PathGradientBrush::CreatePathGradientFromPath(const GraphicsPath& path) {
    Gdiplus::GpPathGradient* brush = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePathGradientFromPath(path.nativePath, &brush);
    return Adopt(status, AsBrush(brush));
}

ARGB PathGradientBrush::GetPathGradientCenterColor() { return GetValue<ARGB>(GdipGetPathGradientCenterColor, Native()); }
int PathGradientBrush::SetPathGradientCenterColor(ARGB color) { return Check(GdipSetPathGradientCenterColor(Native(), color)); }
int PathGradientBrush::GetPathGradientPointCount() { return GetValue<INT>(GdipGetPathGradientPointCount, Native()); }
int PathGradientBrush::GetPathGradientSurroundColorCount() { return GetValue<INT>(GdipGetPathGradientSurroundColorCount, Native()); }

int PathGradientBrush::GetPathGradientSurroundColorsWithCount(std::vector<ARGB>& colors) {
    INT count = GetValue<INT>(GdipGetPathGradientSurroundColorCount, Native());
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<ARGB> read(count > 0 ? count : 0);
    if (count > 0 && !Check(GdipGetPathGradientSurroundColorsWithCount(Native(), read.data(), &count))) return 0;
    read.resize(count > 0 ? count : 0);
    colors = std::move(read);
    return 1;
}

int PathGradientBrush::SetPathGradientSurroundColorsWithCount(const std::vector<ARGB>& colors, int* count) {
    INT used = count != nullptr ? *count : Count(colors);
    if (used < 0 || used > Count(colors)) return Check(Gdiplus::InvalidParameter);
    const int ok = Check(GdipSetPathGradientSurroundColorsWithCount(Native(), colors.data(), &used));
    if (count != nullptr) *count = used;
    return ok;
}

int PathGradientBrush::GetPathGradientPath(GraphicsPath& path) { return Check(GdipGetPathGradientPath(Native(), path.nativePath)); }
int PathGradientBrush::SetPathGradientPath(const GraphicsPath& path) { return Check(GdipSetPathGradientPath(Native(), path.nativePath)); }
int PathGradientBrush::GetPathGradientCenterPoint(PointF& point) { return Check(GdipGetPathGradientCenterPoint(Native(), &point)); }
int PathGradientBrush::GetPathGradientCenterPointI(Point& point) { return Check(GdipGetPathGradientCenterPointI(Native(), &point)); }
int PathGradientBrush::SetPathGradientCenterPoint(const PointF& point) { return Check(GdipSetPathGradientCenterPoint(Native(), &point)); }
int PathGradientBrush::SetPathGradientCenterPointI(const Point& point) { return Check(GdipSetPathGradientCenterPointI(Native(), &point)); }
int PathGradientBrush::GetPathGradientRect(RectF& rect) { return Check(GdipGetPathGradientRect(Native(), &rect)); }
int PathGradientBrush::GetPathGradientRectI(Rect& rect) { return Check(GdipGetPathGradientRectI(Native(), &rect)); }
int PathGradientBrush::SetPathGradientGammaCorrection(BOOL useGammaCorrection) { return Check(GdipSetPathGradientGammaCorrection(Native(), useGammaCorrection)); }
BOOL PathGradientBrush::GetPathGradientGammaCorrection() { return GetValue<BOOL>(GdipGetPathGradientGammaCorrection, Native()); }
int PathGradientBrush::GetPathGradientBlendCount() { return GetValue<INT>(GdipGetPathGradientBlendCount, Native()); }

int PathGradientBrush::SetPathGradientBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    if (positions.size() < factors.size()) return Check(Gdiplus::InvalidParameter);
    return Check(GdipSetPathGradientBlend(Native(), factors.data(), positions.data(), Count(factors)));
}

int PathGradientBrush::GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions) { return ReadBlend(Native(), GdipGetPathGradientBlendCount, GdipGetPathGradientBlend, factors, positions); }
int PathGradientBrush::GetPathGradientPresetBlendCount() { return GetValue<INT>(GdipGetPathGradientPresetBlendCount, Native()); }

int PathGradientBrush::SetPathGradientPresetBlend(const std::vector<ARGB>& colors, const std::vector<float>& positions) {
    if (positions.size() < colors.size()) return Check(Gdiplus::InvalidParameter);
    return Check(GdipSetPathGradientPresetBlend(Native(), colors.data(), positions.data(), Count(colors)));
}

int PathGradientBrush::GetPathGradientPresetBlend(std::vector<ARGB>& colors, std::vector<float>& positions) { return ReadBlend(Native(), GdipGetPathGradientPresetBlendCount, GdipGetPathGradientPresetBlend, colors, positions); }
int PathGradientBrush::SetPathGradientSigmaBlend(float focus, float scale) { return Check(GdipSetPathGradientSigmaBlend(Native(), focus, scale)); }
int PathGradientBrush::SetPathGradientLinearBlend(float focus, float scale) { return Check(GdipSetPathGradientLinearBlend(Native(), focus, scale)); }
int PathGradientBrush::GetPathGradientFocusScales(float& xScale, float& yScale) { return Check(GdipGetPathGradientFocusScales(Native(), &xScale, &yScale)); }
int PathGradientBrush::SetPathGradientFocusScales(float xScale, float yScale) { return Check(GdipSetPathGradientFocusScales(Native(), xScale, yScale)); }
WrapMode PathGradientBrush::GetPathGradientWrapMode() { return GetValue<WrapMode>(GdipGetPathGradientWrapMode, Native()); }
int PathGradientBrush::SetPathGradientWrapMode(WrapMode mode) { return Check(GdipSetPathGradientWrapMode(Native(), mode)); }
int PathGradientBrush::GetPathGradientTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipGetPathGradientTransform(Native(), matrix)); }
int PathGradientBrush::SetPathGradientTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipSetPathGradientTransform(Native(), matrix)); }
int PathGradientBrush::ResetPathGradientTransform() { return Check(GdipResetPathGradientTransform(Native())); }
int PathGradientBrush::MultiplyPathGradientTransform(const Gdiplus::GpMatrix* matrix, MatrixOrder order) { return Check(GdipMultiplyPathGradientTransform(Native(), matrix, order)); }
int PathGradientBrush::TranslatePathGradientTransform(float dx, float dy, MatrixOrder order) { return Check(GdipTranslatePathGradientTransform(Native(), dx, dy, order)); }
int PathGradientBrush::ScalePathGradientTransform(float sx, float sy, MatrixOrder order) { return Check(GdipScalePathGradientTransform(Native(), sx, sy, order)); }

int PathGradientBrush::ScalePathGradientTransformAt(float sx, float sy, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslatePathGradientTransform(Native(), dx, dy, order); },
        [&] { return GdipScalePathGradientTransform(Native(), sx, sy, order); });
}

int PathGradientBrush::RotatePathGradientTransform(float angle, MatrixOrder order) { return Check(GdipRotatePathGradientTransform(Native(), angle, order)); }

int PathGradientBrush::RotatePathGradientTransformAt(float angle, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslatePathGradientTransform(Native(), dx, dy, order); },
        [&] { return GdipRotatePathGradientTransform(Native(), angle, order); });
}

}  // namespace graphics
