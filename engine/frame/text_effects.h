// Text effects of the caption and the bottom bar: a one-pixel halo and a soft glow.
#pragma once
#include <windows.h>

#include <string>

#include "engine/core/window_record.h"

namespace graphics {
class Graphics;
}

namespace skin {

// `text` in textColor over four copies in haloColor (alpha 150), each shifted by `offset`
// pixels left, right, up and down. Sizes are in world units; alignments are GDI+
// StringAlignment values (0 near, 1 centre, 2 far).
void DrawHaloText(graphics::Graphics& graphics, const std::string& text, const FloatRect& layout,
                  COLORREF textColor, COLORREF haloColor, int offset = 1,
                  const std::string& fontName = "宋体", int style = 0, int size = 13,
                  int alignment = 0, int lineAlignment = 0);

// `text` in textColor over a glow in glowColor: the text blurred by scaling it down by
// `scale` and up again, plus four faint copies around it.
void DrawGlowText(graphics::Graphics& graphics, const std::string& text, const FloatRect& layout,
                  COLORREF textColor, COLORREF glowColor, int scale,
                  const std::string& fontName = "宋体", int style = 0, int size = 12,
                  int alignment = 0, int lineAlignment = 0);

}  // namespace skin
