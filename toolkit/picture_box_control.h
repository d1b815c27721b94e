// Picture box: an encoded picture stretched to the box or at natural size from its corner.
#pragma once
#include <memory>

#include "toolkit/control.h"
#include "toolkit/gdi_guards.h"

namespace toolkit {

class PictureBoxControl : public Control {
public:
    PictureBoxControl(const ControlDefinition& definition, PictureBox settings);

    void SetPicture(graphics::Bytes picture, PictureLayout layout);
    const graphics::Bytes& Picture() const { return settings_.picture; }

    void PaintSurface(HDC dc, const RECT& area) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Create() override;

private:
    bool CoversBox() const;
    void PaintPicture(HDC dc, const RECT& area);
    const MemorySurface* Cache();

    PictureBox settings_;
    SIZE pictureSize_ = {0, 0};
    // The picture as drawn at the box's size, when it hides the parent completely: decoded and
    // scaled once, then copied for every paint and for every see-through child.
    std::unique_ptr<MemorySurface> cache_;
};

}  // namespace toolkit
