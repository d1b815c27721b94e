// Picture decoding and drawing through the graphics library's Image and Graphics.
#include "toolkit/picture_painter.h"

#include "graphics/graphics.h"

namespace toolkit {

SIZE PictureSize(const graphics::Bytes& picture) {
    if (picture.empty()) return {0, 0};
    graphics::Image image;
    if (!image.LoadImageFromBytes(picture)) return {0, 0};
    return {static_cast<LONG>(image.GetImageWidth()), static_cast<LONG>(image.GetImageHeight())};
}

bool DrawPicture(HDC dc, const graphics::Bytes& picture, int x, int y, int width, int height) {
    if (picture.empty() || width <= 0 || height <= 0) return false;
    graphics::Image image;
    if (!image.LoadImageFromBytes(picture)) return false;
    graphics::Graphics surface;  // goes before the image and before the caller's DC
    if (!surface.CreateFromHDC(dc)) return false;
    const bool natural = static_cast<int>(image.GetImageWidth()) == width &&
                         static_cast<int>(image.GetImageHeight()) == height;
    // At its own size a picture is copied pixel for pixel; scaled, it is smoothed.
    surface.SetInterpolationMode(natural ? Gdiplus::InterpolationModeNearestNeighbor
                                         : Gdiplus::InterpolationModeHighQualityBicubic);
    surface.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    return surface.DrawImageRectI(image, x, y, width, height) != 0;
}

}  // namespace toolkit
