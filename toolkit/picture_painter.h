// Decodes encoded pictures (PNG, JPEG, BMP) and draws them through the graphics library.
#pragma once
#include <windows.h>

#include "graphics/bytes.h"

namespace toolkit {

// The picture's size in pixels; {0, 0} when it cannot be decoded.
SIZE PictureSize(const graphics::Bytes& picture);

// Draws the whole picture scaled into (x, y, width, height) in pixels; false when it cannot
// be decoded or drawn (the DC is then left as it was).
bool DrawPicture(HDC dc, const graphics::Bytes& picture, int x, int y, int width, int height);

}  // namespace toolkit
