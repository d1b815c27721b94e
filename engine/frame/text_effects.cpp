// Text effects of the caption and the bottom bar: a one-pixel halo and a soft glow.
#include "engine/frame/text_effects.h"

#include <cmath>

#include "engine/core/argb.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

// The font, format and brush of one text pass. A family that is not installed falls back to
// the generic sans-serif family, so that the text is never silently lost.
struct TextTools {
    graphics::Font font;
    graphics::StringFormat format;
    graphics::SolidBrush brush;

    TextTools(const std::string& fontName, int size, int style, int alignment, int lineAlignment,
              std::uint32_t colour) {
        const float em = static_cast<float>(size);
        if (!font.CreateFontByName(fontName, em, style, Gdiplus::UnitWorld)) {
            graphics::FontFamily family;
            family.GetGenericFontFamilySansSerif();
            font.CreateFont(family, em, style, Gdiplus::UnitWorld);
        }
        format.CreateStringFormat(0);
        format.SetStringFormatAlign(static_cast<Gdiplus::StringAlignment>(alignment));
        format.SetStringFormatLineAlign(static_cast<Gdiplus::StringAlignment>(lineAlignment));
        brush.CreateSolidFill(colour);
    }

    void Draw(graphics::Graphics& graphics, const std::string& text, float x, float y, float w,
              float h) {
        graphics.DrawString(text, font, brush, graphics::RectF(x, y, w, h), &format);
    }
};

}  // namespace

void DrawHaloText(graphics::Graphics& graphics, const std::string& text, const FloatRect& layout,
                  COLORREF textColor, COLORREF haloColor, int offset, const std::string& fontName,
                  int style, int size, int alignment, int lineAlignment) {
    const float x = layout.x, y = layout.y, w = layout.width, h = layout.height;
    const float d = static_cast<float>(offset);
    {
        TextTools halo(fontName, size, style, alignment, lineAlignment, ToArgb(haloColor, 150));
        halo.Draw(graphics, text, x + d, y, w, h);
        halo.Draw(graphics, text, x - d, y, w, h);
        halo.Draw(graphics, text, x, y + d, w, h);
        halo.Draw(graphics, text, x, y - d, w, h);
    }
    TextTools face(fontName, size, style, alignment, lineAlignment, ToArgb(textColor, 255));
    face.Draw(graphics, text, x, y, w, h);
}

void DrawGlowText(graphics::Graphics& graphics, const std::string& text, const FloatRect& layout,
                  COLORREF textColor, COLORREF glowColor, int scale, const std::string& fontName,
                  int style, int size, int alignment, int lineAlignment) {
    if (scale < 1) scale = 1;
    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(layout.height);
    const float d = static_cast<float>(scale);
    const float fw = static_cast<float>(width);
    const float fh = static_cast<float>(height);
    const float smallWidth = fw / d;
    const float smallHeight = fh / d;

    graphics::Bitmap sharp;
    sharp.CreateBlankBitmap(width, height, PixelFormat32bppARGB);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(sharp);
        surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        surface.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        surface.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        surface.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        TextTools glow(fontName, size, style, alignment, lineAlignment, ToArgb(glowColor, 255));
        glow.Draw(surface, text, d / 2, d / 2, d / 2 + fw, d / 2 + fh);
    }

    // Scaling down and up again blurs the text into a glow.
    graphics::Bitmap small;
    small.CreateBlankBitmap(static_cast<int>(smallWidth), static_cast<int>(smallHeight),
                            PixelFormat32bppARGB);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(small);
        surface.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        surface.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
        surface.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        surface.DrawImageRect(sharp, 0, 0, smallWidth, smallHeight);
    }
    sharp.DisposeImage();

    graphics::Bitmap blurred;
    blurred.CreateBlankBitmap(width, height, PixelFormat32bppARGB);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(blurred);
        surface.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        surface.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        surface.DrawImageRect(small, 0, 0, fw, fh);
        small.DisposeImage();
        TextTools faint(fontName, size, style, alignment, lineAlignment, ToArgb(glowColor, 60));
        const float y = 0.7f * d;
        faint.Draw(surface, text, d / 2 - 1, y, fw, fh);
        faint.Draw(surface, text, d / 2 + 1, y, fw, fh);
        faint.Draw(surface, text, d / 2, y - 1, fw, fh);
        faint.Draw(surface, text, d / 2, y + 1, fw, fh);
    }

    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.DrawImageRect(blurred, layout.x - d / 2, layout.y - 0.6f * d, fw, fh);
    blurred.DisposeImage();
    TextTools face(fontName, size, style, alignment, lineAlignment, ToArgb(textColor, 255));
    face.Draw(graphics, text, layout.x, layout.y, fw, fh);
}

}  // namespace skin
