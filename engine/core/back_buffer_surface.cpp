// Drawing with GDI+ straight into the pixels of a window's back buffer.
#include "engine/core/back_buffer_surface.h"

#include <cstdint>
#include <cstdlib>

#include "graphics/graphics.h"

namespace skin {

namespace {
// Whether the first pixel in memory is the top-left one. The bitmap's description does not
// tell (its height reads positive either way), so a marker written there is looked for.
bool IsTopDown(HDC dc, BYTE* bits) {
    auto* first = reinterpret_cast<std::uint32_t*>(bits);
    const std::uint32_t saved = *first;
    *first = 0x00010203u;
    const bool topDown = GetPixel(dc, 0, 0) == RGB(1, 2, 3);
    *first = saved;
    return topDown;
}
}  // namespace

void BindToBackBuffer(graphics::Graphics& graphics, graphics::Bitmap& pixels, HDC dc) {
    GdiFlush();
    DIBSECTION section{};
    HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
    if (bitmap && GetObjectA(bitmap, sizeof section, &section) == sizeof section &&
        section.dsBm.bmBits && section.dsBm.bmBitsPixel == 32) {
        const int width = section.dsBm.bmWidth;
        const int height = std::abs(section.dsBm.bmHeight);
        int stride = section.dsBm.bmWidthBytes;
        BYTE* scan0 = static_cast<BYTE*>(section.dsBm.bmBits);
        if (!IsTopDown(dc, scan0)) {  // bottom-up: the first row is the last in memory
            scan0 += static_cast<ptrdiff_t>(height - 1) * stride;
            stride = -stride;
        }
        if (pixels.CreateBitmapFromScan0(width, height, stride, PixelFormat32bppPARGB, scan0) &&
            graphics.GetImageGraphicsContext(pixels)) {
            return;
        }
    }
    graphics.CreateFromHDC(dc);
}

}  // namespace skin
