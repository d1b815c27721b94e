// LinearGradientBrush: a GDI+ brush that blends colours along a line.
#pragma once
#include <vector>

#include "graphics/brush.h"

namespace graphics {

// Each operation calls "Gdip" + its name on the brush, under the conventions of Graphics.
class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush() = default;
    LinearGradientBrush(LinearGradientBrush&& other) noexcept = default;
    LinearGradientBrush& operator=(LinearGradientBrush&& other) noexcept = default;

    // The create operations use wrap mode WrapModeTile.
    virtual int CreateLineBrush(const PointF& point1, const PointF& point2, ARGB color1,
                                ARGB color2);
    virtual int CreateLineBrushI(const Point& point1, const Point& point2, ARGB color1,
                                 ARGB color2);
    virtual int CreateLineBrushFromRect(const RectF& rect, ARGB color1, ARGB color2,
                                        LinearGradientMode mode);
    virtual int CreateLineBrushFromRectI(const Rect& rect, ARGB color1, ARGB color2,
                                         LinearGradientMode mode);
    virtual int CreateLineBrushFromRectWithAngle(const RectF& rect, ARGB color1, ARGB color2,
                                                 float angle, BOOL isAngleScalable);
    virtual int CreateLineBrushFromRectWithAngleI(const Rect& rect, ARGB color1, ARGB color2,
                                                  float angle, BOOL isAngleScalable);
    virtual int GetLineColors(ARGB& color1, ARGB& color2);
    virtual int SetLineColors(ARGB color1, ARGB color2);
    virtual int GetLineRect(RectF& rect);
    virtual int GetLineRectI(Rect& rect);
    virtual int SetLineGammaCorrection(BOOL useGammaCorrection);
    virtual BOOL GetLineGammaCorrection();
    // Blend factors at positions from 0 to 1; both lists hold the same number of values.
    virtual int SetLineBlend(const std::vector<float>& factors,
                             const std::vector<float>& positions);
    virtual int GetLineBlendCount();
    // Replaces both lists by the brush's blend (sized by GdipGetLineBlendCount first).
    virtual int GetLineBlend(std::vector<float>& factors, std::vector<float>& positions);
    // Colours at positions from 0 to 1. The count passed is the number of colours; a shorter
    // position list is refused with InvalidParameter.
    virtual int SetLinePresetBlend(const std::vector<ARGB>& colors,
                                   const std::vector<float>& positions);
    virtual int GetLinePresetBlendCount();
    // Replaces both lists by the brush's preset blend (sized by the count first).
    virtual int GetLinePresetBlend(std::vector<ARGB>& colors, std::vector<float>& positions);
    virtual int SetLineSigmaBlend(float focus, float scale);
    virtual int SetLineLinearBlend(float focus, float scale);
    virtual WrapMode GetLineWrapMode();
    virtual int SetLineWrapMode(WrapMode mode);
    // Writes the brush's transform into `matrix`.
    virtual int GetLineTransform(Gdiplus::GpMatrix* matrix);
    virtual int SetLineTransform(const Gdiplus::GpMatrix* matrix);
    virtual int ResetLineTransform();
    virtual int MultiplyLineTransform(const Gdiplus::GpMatrix* matrix,
                                      MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int TranslateLineTransform(float dx, float dy,
                                       MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int ScaleLineTransform(float sx, float sy,
                                   MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Scales the brush's transform about `point`, which keeps its place.
    virtual int ScaleLineTransformAt(float sx, float sy, const PointF& point,
                                     MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int RotateLineTransform(float angle, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Rotates the brush's transform about `point`, which keeps its place.
    virtual int RotateLineTransformAt(float angle, const PointF& point,
                                      MatrixOrder order = Gdiplus::MatrixOrderPrepend);

private:
    Gdiplus::GpLineGradient* Native() const;
};

}  // namespace graphics
