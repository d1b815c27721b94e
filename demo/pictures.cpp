// The gallery's pictures, drawn at start-up with the graphics library and kept as PNG bytes.
#include "demo/pictures.h"

#include <string>

#include "graphics/graphics.h"

namespace demo {

namespace {

// Draws with `paint` on a new transparent width x height bitmap and returns it as PNG.
template <class Paint>
graphics::Bytes Drawn(int width, int height, Paint paint) {
    graphics::Bitmap bitmap;
    bitmap.CreateBlankBitmap(width, height);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(bitmap);
        surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        paint(surface, static_cast<float>(width), static_cast<float>(height));
    }
    return bitmap.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
}

void FillCircle(graphics::Graphics& surface, graphics::ARGB colour, float x, float y, float r) {
    graphics::SolidBrush brush;
    brush.CreateSolidFill(colour);
    surface.FillEllipse(brush, x - r, y - r, 2 * r, 2 * r);
}

}  // namespace

graphics::Bytes Backdrop(int width, int height) {
    return Drawn(width, height, [](graphics::Graphics& surface, float w, float h) {
        graphics::LinearGradientBrush sky;
        sky.CreateLineBrush({0, 0}, {0, h}, 0xFF1B2A4E, 0xFF3E8E9E);
        surface.FillRectangle(sky, 0, 0, w, h);
        const struct {
            float x, y, r;
            graphics::ARGB colour;
        } lights[] = {{0.15f, 0.30f, 60, 0x30FFFFFF}, {0.55f, 0.20f, 90, 0x22FFE0A0},
                      {0.80f, 0.60f, 70, 0x28A0FFF0}, {0.35f, 0.75f, 45, 0x20FFFFFF},
                      {0.92f, 0.18f, 30, 0x30FFFFFF}};
        for (const auto& light : lights) FillCircle(surface, light.colour, light.x * w, light.y * h, light.r);
    });
}

graphics::Bytes Tile() {
    return Drawn(48, 48, [](graphics::Graphics& surface, float w, float h) {
        graphics::LinearGradientBrush ground;
        ground.CreateLineBrush({0, 0}, {w, h}, 0xFF2D4B3A, 0xFF5C8A5A);
        surface.FillRectangle(ground, 0, 0, w, h);
        graphics::Pen thread;
        thread.CreatePen1(0x40FFFFFF, 3);
        surface.DrawLine(thread, 0, h, w, 0);
        surface.DrawLine(thread, 0, h / 2, w / 2, 0);
    });
}

graphics::Bytes PaletteGlyph() {
    return Drawn(26, 18, [](graphics::Graphics& surface, float, float) {
        graphics::Pen outline;
        outline.CreatePen1(0xFFFFFFFF, 1.5f);
        surface.DrawEllipse(outline, 7, 3, 12, 11);
        FillCircle(surface, 0xFFFF6060, 10.5f, 7, 1.6f);
        FillCircle(surface, 0xFF60FF60, 14.5f, 6.5f, 1.6f);
        FillCircle(surface, 0xFF6090FF, 15.5f, 10.5f, 1.6f);
    });
}

}  // namespace demo
