// The gallery's pictures, drawn at start-up with the graphics library and kept as PNG bytes.
#pragma once
#include "graphics/bytes.h"

namespace demo {

// A dusk sky with soft lights: the window's own background.
graphics::Bytes Backdrop(int width, int height);

// A small woven tile for the tiled layout.
graphics::Bytes Tile();

// A 26 x 18 caption glyph: a white palette sign on a transparent ground.
graphics::Bytes PaletteGlyph();

}  // namespace demo
