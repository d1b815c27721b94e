// Path shapes every painter shares: the rounded rectangle, the top-rounded band and the glow.
#pragma once
#include <windows.h>

namespace graphics {
class Graphics;
class GraphicsPath;
}  // namespace graphics

namespace skin {

// Adds a closed rounded rectangle as a new figure. `radius` is the size of the corner arcs,
// clamped to 1…100. The bottom-right arc is one pixel larger and one pixel further out than
// the other three, so that it meets a one-pixel pen drawn inside the right and bottom edges.
void AddRoundedRectPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                        int radius);

// Adds an open figure: up the left edge, around the rounded top corners (arcs of size
// `radius`) and down the right edge. Filling closes it along the bottom.
void AddTopRoundedPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                       float radius);

// Strokes `path` `layers` times with pens 1…layers pixels wide in ToArgb(color, alpha). The
// translucent strokes overlap, so the glow is densest along the path itself.
void DrawGlow(graphics::Graphics& graphics, const graphics::GraphicsPath& path, int layers,
              COLORREF color, int alpha);

}  // namespace skin
