// Drawing with GDI+ straight into the pixels of a window's back buffer.
#pragma once
#include <windows.h>

namespace graphics {
class Bitmap;
class Graphics;
}  // namespace graphics

namespace skin {

// Binds `graphics` to the 32-bit bitmap selected into `dc`: through a GDI+ bitmap over the
// bitmap's own pixels (`pixels` holds it and must outlive the drawing), so that GDI+ writes
// them directly instead of going through the device context; through the device context
// itself when its bitmap is not a 32-bit DIB section. GDI output pending on `dc` is flushed
// first. Delete `graphics` before `pixels` goes, and flush it before GDI draws on `dc` again.
void BindToBackBuffer(graphics::Graphics& graphics, graphics::Bitmap& pixels, HDC dc);

}  // namespace skin
