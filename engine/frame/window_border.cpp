// The frame of an attached window: a dark outer and a light inner rounded line.
#include "engine/core/path_shapes.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "graphics/graphics.h"

namespace skin {

namespace {
constexpr std::uint32_t BORDER_OUTER = 0xB4000000;  // black, alpha 180
constexpr std::uint32_t BORDER_INNER = 0xB4FFFFFF;  // white, alpha 180

void DrawOutline(graphics::Graphics& graphics, std::uint32_t color, float x, float y, float width,
                 float height, int corner) {
    graphics::GraphicsPath path;
    path.CreatePath();
    AddRoundedRectPath(path, x, y, width, height, corner);
    graphics::Pen pen;
    pen.CreatePen1(color, 1.0f);
    graphics.DrawPath(pen, path);
}
}  // namespace

void SkinEngine::PaintWindowBorder(int windowIndex, graphics::Graphics& graphics) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    const float width = static_cast<float>(client.right);
    const float height = static_cast<float>(client.bottom);
    DrawOutline(graphics, BORDER_OUTER, 0, 0, width - 1, height - 1, 7);
    DrawOutline(graphics, BORDER_INNER, 1, 1, width - 3, height - 3, 6);
}

}  // namespace skin
