// Path shapes every painter shares: the rounded rectangle, the top-rounded band and the glow.
#include "engine/core/path_shapes.h"

#include <algorithm>

#include "engine/core/argb.h"
#include "graphics/graphics.h"

namespace skin {

void AddRoundedRectPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                        int radius) {
    const float r = static_cast<float>(std::clamp(radius, 1, 100));
    path.StartPathFigure();
    path.AddPathArc(x + width - r, y, r, r, 270, 90);
    path.AddPathArc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0, 90);
    path.AddPathArc(x, y + height - r, r, r, 90, 90);
    path.AddPathArc(x, y, r, r, 180, 90);
    path.ClosePathFigure();
}

void AddTopRoundedPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                       float radius) {
    const float r = radius;
    path.StartPathFigure();
    path.AddPathLine(x, y + height, x, y + r);
    path.AddPathArc(x, y, r, r, 180, 90);
    path.AddPathLine(x + r, y, x + width - r, y);
    path.AddPathArc(x + width - r, y, r, r, 270, 90);
    path.AddPathLine(x + width, y + r, x + width, y + height);
}

void DrawGlow(graphics::Graphics& graphics, const graphics::GraphicsPath& path, int layers,
              COLORREF color, int alpha) {
    graphics::Pen pen;
    pen.CreatePen1(ToArgb(color, alpha), 1.0f);
    for (int i = 1; i <= layers; ++i) {
        pen.SetPenWidth(static_cast<float>(i));
        graphics.DrawPath(pen, path);
    }
}

}  // namespace skin
