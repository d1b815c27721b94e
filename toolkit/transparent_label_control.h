// Transparent label: one line of text over what its parent shows, optionally with a shadow.
#pragma once
#include "toolkit/control.h"

namespace toolkit {

class TransparentLabelControl : public Control {
public:
    TransparentLabelControl(const ControlDefinition& definition, TransparentLabel settings);

    std::string Text() const override { return settings_.text; }
    void SetText(const std::string& text) override;
    COLORREF TextColor() const { return settings_.color; }
    void SetTextColor(COLORREF color);
    const TransparentLabel& Style() const { return settings_; }

    void PaintSurface(HDC dc, const RECT& area) override;

protected:
    void Create() override;
    HCURSOR CursorShape() const override;

private:
    TransparentLabel settings_;
};

}  // namespace toolkit
