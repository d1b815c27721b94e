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
    const int imageWidth = static_cast<int>(image.GetImageWidth());
    const int imageHeight = static_cast<int>(image.GetImageHeight());
    const bool natural = imageWidth == width && imageHeight == height;
    // At its own size a picture is copied pixel for pixel; scaled, it is smoothed.
    surface.SetInterpolationMode(natural ? Gdiplus::InterpolationModeNearestNeighbor
                                         : Gdiplus::InterpolationModeHighQualityBicubic);
    surface.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    // Mirror the picture at its edges, so that smoothing near an edge samples the picture
    // itself, not the transparent outside (which darkens the border).
    graphics::ImageAttributes edges;
    if (edges.CreateImageAttributes()) edges.SetImageAttributesWrapMode(Gdiplus::WrapModeTileFlipXY);
    return surface.DrawImageRectRectI(image, x, y, width, height, 0, 0, imageWidth, imageHeight,
                                      Gdiplus::UnitPixel, &edges) != 0;
}

}  // namespace toolkit
