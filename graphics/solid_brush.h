// SolidBrush: a GDI+ brush that fills with one colour.
#pragma once
#include "graphics/brush.h"

namespace graphics {

// Each operation calls "Gdip" + its name on the brush, under the conventions of Graphics.
class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    SolidBrush(SolidBrush&& other) noexcept = default;
    SolidBrush& operator=(SolidBrush&& other) noexcept = default;

    virtual int CreateSolidFill(ARGB color);
    virtual int SetSolidFillColor(ARGB color);
    virtual ARGB GetSolidFillColor();

private:
    Gdiplus::GpSolidFill* Native() const;
};

}  // namespace graphics
