// PathGradientBrush: a GDI+ brush that blends from a centre colour to the colours of an outline.
#pragma once
#include <vector>

#include "graphics/brush.h"

namespace graphics {

class GraphicsPath;

// Each operation calls "Gdip" + its name on the brush, under the conventions of Graphics.
class PathGradientBrush : public Brush {
public:
    PathGradientBrush() = default;
    PathGradientBrush(PathGradientBrush&& other) noexcept = default;
    PathGradientBrush& operator=(PathGradientBrush&& other) noexcept = default;

    virtual int CreatePathGradient(const std::vector<PointF>& points,
                                   WrapMode wrapMode = Gdiplus::WrapModeClamp);
    virtual int CreatePathGradientI(const std::vector<Point>& points,
                                    WrapMode wrapMode = Gdiplus::WrapModeClamp);
    virtual int CreatePathGradientFromPath(const GraphicsPath& path);
    virtual ARGB GetPathGradientCenterColor();
    virtual int SetPathGradientCenterColor(ARGB color);
    virtual int GetPathGradientPointCount();
    virtual int GetPathGradientSurroundColorCount();
    // Replaces `colors` by the surround colours (sized by the surround colour count first).
    virtual int GetPathGradientSurroundColorsWithCount(std::vector<ARGB>& colors);
    // Sets the first `*count` colours of the list (all of them when count is null); GDI+
    // writes back into `*count` how many it used. A count beyond the list is refused with
    // InvalidParameter.
    virtual int SetPathGradientSurroundColorsWithCount(const std::vector<ARGB>& colors,
                                                       int* count = nullptr);
    // Writes the brush's outline into `path`, which must hold a native path.
    virtual int GetPathGradientPath(GraphicsPath& path);
    virtual int SetPathGradientPath(const GraphicsPath& path);
    virtual int GetPathGradientCenterPoint(PointF& point);
    virtual int GetPathGradientCenterPointI(Point& point);
    virtual int SetPathGradientCenterPoint(const PointF& point);
    virtual int SetPathGradientCenterPointI(const Point& point);
    virtual int GetPathGradientRect(RectF& rect);
    virtual int GetPathGradientRectI(Rect& rect);
    virtual int SetPathGradientGammaCorrection(BOOL useGammaCorrection);
    virtual BOOL GetPathGradientGammaCorrection();
    virtual int GetPathGradientBlendCount();
    // Blend factors at positions from 0 to 1; both lists hold the same number of values.
    virtual int SetPathGradientBlend(const std::vector<float>& factors,
                                     const std::vector<float>& positions);
    virtual int GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions);
    virtual int GetPathGradientPresetBlendCount();
    // The count passed is the number of colours; a shorter position list is refused.
    virtual int SetPathGradientPresetBlend(const std::vector<ARGB>& colors,
                                           const std::vector<float>& positions);
    virtual int GetPathGradientPresetBlend(std::vector<ARGB>& colors,
                                           std::vector<float>& positions);
    virtual int SetPathGradientSigmaBlend(float focus, float scale);
    virtual int SetPathGradientLinearBlend(float focus, float scale);
    virtual int GetPathGradientFocusScales(float& xScale, float& yScale);
    virtual int SetPathGradientFocusScales(float xScale, float yScale);
    virtual WrapMode GetPathGradientWrapMode();
    virtual int SetPathGradientWrapMode(WrapMode mode);
    // Writes the brush's transform into `matrix`.
    virtual int GetPathGradientTransform(Gdiplus::GpMatrix* matrix);
    virtual int SetPathGradientTransform(Gdiplus::GpMatrix* matrix);
    virtual int ResetPathGradientTransform();
    virtual int MultiplyPathGradientTransform(const Gdiplus::GpMatrix* matrix,
                                              MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int TranslatePathGradientTransform(float dx, float dy,
                                               MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int ScalePathGradientTransform(float sx, float sy,
                                           MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Scales the brush's transform about `point`, which keeps its place.
    virtual int ScalePathGradientTransformAt(float sx, float sy, const PointF& point,
                                             MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int RotatePathGradientTransform(float angle,
                                            MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Rotates the brush's transform about `point`, which keeps its place.
    virtual int RotatePathGradientTransformAt(float angle, const PointF& point,
                                              MatrixOrder order = Gdiplus::MatrixOrderPrepend);

private:
    Gdiplus::GpPathGradient* Native() const;
};

}  // namespace graphics
