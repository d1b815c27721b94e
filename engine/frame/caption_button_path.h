// The outline of the close caption button: square on the left, its top-right corner rounded.
#pragma once

namespace graphics {
class GraphicsPath;
}

namespace skin {

// Adds an open figure to `path`: up the left edge, along the top, around a corner arc of
// size `radius` at the top right and down the right edge. Filling closes it along the bottom.
void CloseButtonPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                     float radius);

}  // namespace skin
