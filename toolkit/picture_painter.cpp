// Picture decoding and drawing (waiting for the graphics library's image classes).
#include "toolkit/picture_painter.h"

namespace toolkit {

SIZE PictureSize(const graphics::Bytes&) { return {0, 0}; }

bool DrawPicture(HDC, const graphics::Bytes&, int, int, int, int) { return false; }

}  // namespace toolkit
