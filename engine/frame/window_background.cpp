// The client background of an attached window: clear colour, fill, picture layouts and gloss.
#include "engine/frame/window_background.h"

#include "engine/core/argb.h"
#include "engine/core/engine_settings.h"
#include "engine/core/path_shapes.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"

namespace skin {

namespace {

constexpr int CLIENT_CORNER = 4;
constexpr std::uint32_t GLOSS_TOP = 0x96FFFFFF;     // white, alpha 150
constexpr std::uint32_t GLOSS_BOTTOM = 0x00FFFFFF;  // white, alpha 0

const graphics::Bytes* BackgroundSource(const WindowSkinRecord& record) {
    if (!record.backgroundImage.empty()) return &record.backgroundImage;
    if (!defaultBackgroundImage.empty()) return &defaultBackgroundImage;
    return nullptr;
}

// Copies of `picture`, alternately as loaded and mirrored left to right, across a strip of
// `width` pixels.
graphics::Bitmap TiledStrip(graphics::Bitmap& picture, int width) {
    graphics::Bitmap strip;
    const int tileWidth = static_cast<int>(picture.GetImageWidth());
    const int tileHeight = static_cast<int>(picture.GetImageHeight());
    if (tileWidth <= 0 || tileHeight <= 0 || width <= 0) return strip;
    if (!strip.CreateBlankBitmap(width, tileHeight, PixelFormat32bppARGB)) return strip;
    graphics::Graphics surface;
    surface.GetImageGraphicsContext(strip);
    for (int x = 0; x < width; x += tileWidth) {
        surface.DrawImageRectRect(picture, static_cast<float>(x), 0, static_cast<float>(tileWidth),
                                  static_cast<float>(tileHeight), 0, 0,
                                  static_cast<float>(tileWidth), static_cast<float>(tileHeight));
        picture.ImageRotateFlip(Gdiplus::RotateNoneFlipX);
    }
    return strip;
}

// GDI leaves the alpha bytes of a 32-bit bitmap at 0; GDI+ blends over such pixels as over
// transparent ones. Sets every pixel of the bitmap in `dc` opaque, as GDI+ would have.
void MakeOpaque(HDC dc) {
    DIBSECTION section{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section ||
        !section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32) {
        return;
    }
    auto* pixel = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    const size_t count = static_cast<size_t>(section.dsBm.bmWidthBytes / 4) *
                         static_cast<size_t>(section.dsBm.bmHeight < 0 ? -section.dsBm.bmHeight
                                                                      : section.dsBm.bmHeight);
    for (size_t i = 0; i < count; ++i) pixel[i] |= 0xFF000000u;
}

// Clears `dc` to the key colour and fills `shape` with `colour`. Falls back to GDI+ when
// the shape has no GDI region.
void FillBackground(graphics::Graphics& graphics, const graphics::GraphicsPath& shape, HDC dc,
                    const RECT& client, COLORREF colour) {
    graphics::Region inside;
    inside.CreateRegionPath(shape);
    HRGN region = inside.GetRegionHRgn(&graphics);
    if (!dc || !region) {
        if (region) DeleteObject(region);
        graphics.GraphicsClear(KEY_MAGENTA);
        graphics::SolidBrush fill;
        fill.CreateSolidFill(ToArgb(colour, 255));
        graphics.FillPath(fill, shape);
        return;
    }
    graphics.Flush();
    HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, key);
    FillRgn(dc, region, brush);
    DeleteObject(key);
    DeleteObject(brush);
    DeleteObject(region);
    GdiFlush();
    MakeOpaque(dc);
}

// Draws `picture` at (x, y) pixel for pixel, whatever resolution its file states.
void DrawUnscaled(graphics::Graphics& graphics, graphics::Image& picture, float x, float y) {
    const float width = static_cast<float>(picture.GetImageWidth());
    const float height = static_cast<float>(picture.GetImageHeight());
    graphics.DrawImageRectRect(picture, x, y, width, height, 0, 0, width, height);
}

}  // namespace

int EffectiveBackgroundLayout(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return defaultBackgroundLayout;
    return record->backgroundImage.empty() ? defaultBackgroundLayout : record->backgroundLayout;
}

graphics::Bitmap PrepareBackgroundPicture(int windowIndex, const RECT& clientRect) {
    graphics::Bitmap picture;
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return picture;
    const graphics::Bytes* source = BackgroundSource(*record);
    if (!source || !picture.LoadImageFromBytes(*source)) return graphics::Bitmap();
    if (EffectiveBackgroundLayout(windowIndex) != BACKGROUND_TILED) return picture;
    return TiledStrip(picture, clientRect.right);
}

void SkinEngine::PaintClientBackground(graphics::Graphics& graphics, int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    const float width = static_cast<float>(client.right);
    const float height = static_cast<float>(client.bottom);
    graphics::GraphicsPath shape;
    shape.CreatePath();
    AddRoundedRectPath(shape, 0, 0, width, height, CLIENT_CORNER);
    graphics.SetClipPath(shape, Gdiplus::CombineModeReplace);

    // The clear colour and the opaque fill of the rounded shape go through GDI: the same
    // pixels (the shape as the clip region sees it), in a fraction of the time GDI+ takes
    // to blend a window-sized area.
    const COLORREF fillColour = record->backgroundImage.empty() ? backColor : record->backgroundColor;
    FillBackground(graphics, shape, record->backBufferDc, client, fillColour & 0xFFFFFF);

    if (BackgroundSource(*record)) {
        graphics::Bitmap picture = PrepareBackgroundPicture(windowIndex, client);
        const float pictureWidth = static_cast<float>(picture.GetImageWidth());
        const float pictureHeight = static_cast<float>(picture.GetImageHeight());
        if (picture.nativeImage) {
            switch (EffectiveBackgroundLayout(windowIndex)) {
            case BACKGROUND_TOP_LEFT:
            case BACKGROUND_TILED:
                DrawUnscaled(graphics, picture, 0, 0);
                break;
            case BACKGROUND_TOP_RIGHT:
                DrawUnscaled(graphics, picture, width - pictureWidth, 0);
                break;
            case BACKGROUND_CENTERED:
                DrawUnscaled(graphics, picture, (width - pictureWidth) / 2,
                             (height - pictureHeight) / 2);
                break;
            case BACKGROUND_STRETCHED:
                graphics.DrawImageRectRect(picture, 0, 0, width, height, 0, 0, pictureWidth,
                                           pictureHeight);
                break;
            default:
                break;
            }
        }
    }

    if (record->drawGloss && record->captionHeight > 0) {
        const float gloss = static_cast<float>(record->captionHeight);
        graphics::LinearGradientBrush brush;
        brush.CreateLineBrush({0, 0}, {0, gloss}, GLOSS_TOP, GLOSS_BOTTOM);
        graphics.FillRectangle(brush, 0, 0, width, gloss);
    }
}

COLORREF SkinEngine::GetBackColor() { return backColor; }

}  // namespace skin
