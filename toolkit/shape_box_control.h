// Shape box: a rectangle outline drawn inside its bounds over what its parent shows.
#pragma once
#include "toolkit/control.h"

namespace toolkit {

class ShapeBoxControl : public Control {
public:
    ShapeBoxControl(const ControlDefinition& definition, const ShapeBox& settings);

    COLORREF LineColor() const { return settings_.lineColor; }
    void SetLineColor(COLORREF color);

    void PaintSurface(HDC dc, const RECT& area) override;

protected:
    void Create() override;

private:
    ShapeBox settings_;
};

}  // namespace toolkit
