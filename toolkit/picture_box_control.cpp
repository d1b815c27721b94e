// Picture box control: decodes through the graphics library and keeps the scaled result.
#include "toolkit/picture_box_control.h"

#include <utility>

#include "toolkit/picture_painter.h"
#include "toolkit/window_table.h"

namespace toolkit {

PictureBoxControl::PictureBoxControl(const ControlDefinition& definition, PictureBox settings)
    : Control(definition.name, BoundsOf(definition), definition.events),
      settings_(std::move(settings)),
      pictureSize_(PictureSize(settings_.picture)) {}

void PictureBoxControl::Create() { CreateChild(SURFACE_CLASS, WS_CLIPCHILDREN, ""); }

void PictureBoxControl::SetPicture(graphics::Bytes picture, PictureLayout layout) {
    settings_.picture = std::move(picture);
    settings_.layout = layout;
    pictureSize_ = PictureSize(settings_.picture);
    cache_.reset();
    Redraw();
}

bool PictureBoxControl::CoversBox() const {
    if (pictureSize_.cx <= 0 || pictureSize_.cy <= 0) return false;
    if (settings_.layout == PictureLayout::Stretch) return true;
    const RECT& b = Bounds();
    return pictureSize_.cx >= b.right - b.left && pictureSize_.cy >= b.bottom - b.top;
}

void PictureBoxControl::PaintPicture(HDC dc, const RECT& area) {
    const RECT& b = Bounds();
    const int width = b.right - b.left, height = b.bottom - b.top;
    if (settings_.layout == PictureLayout::Stretch)
        DrawPicture(dc, settings_.picture, -area.left, -area.top, width, height);
    else
        DrawPicture(dc, settings_.picture, -area.left, -area.top, pictureSize_.cx, pictureSize_.cy);
}

const MemorySurface* PictureBoxControl::Cache() {
    if (cache_) return cache_.get();
    if (!CoversBox()) return nullptr;
    const RECT& b = Bounds();
    const RECT box = {0, 0, b.right - b.left, b.bottom - b.top};
    HDC screen = GetDC(nullptr);
    auto surface = std::make_unique<MemorySurface>(screen, box.right, box.bottom);
    ReleaseDC(nullptr, screen);
    if (!*surface) return nullptr;
    // The parent first: a picture that fails to draw leaves the box see-through, not garbage.
    PaintParentSurface(surface->dc(), box);
    PaintPicture(surface->dc(), box);
    cache_ = std::move(surface);
    return cache_.get();
}

void PictureBoxControl::PaintSurface(HDC dc, const RECT& area) {
    if (const MemorySurface* cache = Cache()) {
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, cache->dc(), area.left,
               area.top, SRCCOPY);
        return;
    }
    PaintParentSurface(dc, area);
    PaintPicture(dc, area);
}

LRESULT PictureBoxControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) cache_.reset();
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit
