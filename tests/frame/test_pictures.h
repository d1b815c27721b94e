// Small pictures made on the spot for painting tests, encoded as PNG bytes.
#pragma once
#include <windows.h>

#include <string>

#include "graphics/graphics.h"

namespace qtest {

// A width x height PNG whose left `split` columns are `left` and the rest `right` (ARGB).
inline graphics::Bytes SplitPicture(int width, int height, int split, graphics::ARGB left,
                                    graphics::ARGB right) {
    graphics::Bitmap bitmap;
    bitmap.CreateBlankBitmap(width, height);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(bitmap);
        graphics::SolidBrush brush;
        brush.CreateSolidFill(left);
        surface.FillRectangle(brush, 0, 0, static_cast<float>(split), static_cast<float>(height));
        brush.SetSolidFillColor(right);
        surface.FillRectangle(brush, static_cast<float>(split), 0,
                              static_cast<float>(width - split), static_cast<float>(height));
    }
    return bitmap.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
}

// A picture of one colour.
inline graphics::Bytes PlainPicture(int width, int height, graphics::ARGB colour) {
    return SplitPicture(width, height, width, colour, colour);
}

}  // namespace qtest
