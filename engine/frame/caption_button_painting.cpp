// Caption buttons on the screen: plain, highlighted at a fade level, pressed, and separators.
#include <algorithm>
#include <cmath>

#include "engine/core/argb.h"
#include "engine/core/back_buffer_surface.h"
#include "engine/core/engine_settings.h"
#include "engine/core/gdi_guards.h"
#include "engine/core/path_shapes.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/frame/caption_button_path.h"
#include "graphics/graphics.h"

namespace skin {

namespace {
constexpr std::uint32_t PRESSED_CLOSE_TOP = 0xFFFF0000;     // red
constexpr std::uint32_t PRESSED_CLOSE_BOTTOM = 0x1EFFFFFF;  // white, alpha 30
constexpr std::uint32_t PRESSED_TOP = 0x50000000;           // black, alpha 80
constexpr std::uint32_t PRESSED_BOTTOM = 0x05FFFFFF;        // white, alpha 5
constexpr std::uint32_t GLOSS_TOP = 0x32FFFFFF;             // white, alpha 50
constexpr std::uint32_t GLOSS_BOTTOM = 0x00000000;
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// A vertical gradient from `top` at y to `bottom` at y + height.
graphics::LinearGradientBrush VerticalGradient(float x, float y, float height, std::uint32_t top,
                                               std::uint32_t bottom) {
    graphics::LinearGradientBrush brush;
    brush.CreateLineBrush({x, y}, {x, y + height}, top, bottom);
    return brush;
}

graphics::GraphicsPath NewPath() {
    graphics::GraphicsPath path;
    path.CreatePath();
    return path;
}

// The button's picture for its current state: the maximize button of a maximized window
// shows its second picture.
const graphics::Bytes& PictureOf(const WindowSkinRecord& record, const CaptionButton& button) {
    if (button.kind == CAPTION_MAXIMIZE && record.isMaximized == 1) return button.image2;
    return button.image;
}

void DrawPicture(graphics::Graphics& graphics, const graphics::Bytes& bytes, float x, float y,
                 float width, float height) {
    if (bytes.empty()) return;
    graphics::Bitmap picture;
    if (picture.LoadImageFromBytes(bytes)) graphics.DrawImageRect(picture, x, y, width, height);
}

// Puts (x, y, width, height) of the back buffer on the screen, after `graphics` (bound to
// the back buffer) has been deleted so that everything it drew is there.
void ShowArea(const WindowSkinRecord& record, graphics::Graphics& graphics, int x, int y,
              int width, int height) {
    HDC backBuffer = record.backBufferDc;
    HWND hwnd = record.hwnd;
    graphics.DeleteGraphics();
    WindowDcGuard screen(hwnd);
    if (screen) BitBlt(screen.get(), x, y, width, height, backBuffer, x, y, SRCCOPY);
}
}  // namespace

void CloseButtonPath(graphics::GraphicsPath& path, float x, float y, float width, float height,
                     float radius) {
    path.StartPathFigure();
    path.AddPathLine(x, y + height, x, y);
    path.AddPathLine(x, y, x + width - radius, y);
    path.AddPathArc(x + width - radius, y, radius, radius, 270, 90);
    path.AddPathLine(x + width, y + radius, x + width, y + height);
}

void SkinEngine::DrawCaptionButton(int windowIndex, int number, graphics::Graphics& graphics,
                                   int useGivenGraphics, std::optional<int> pressed,
                                   std::optional<int> level) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->captionButtons.Contains(number) || !record->backBufferDc) return;
    const CaptionButton& button = record->captionButtons.At(number);
    const int w = button.width;
    const int h = button.height;
    const int bx = static_cast<int>(button.bounds.x - 1);
    const int y0 = record->buttonStripY + 1;
    const float fx = static_cast<float>(bx);
    const float fy = static_cast<float>(y0);

    graphics::Bitmap pixels;  // holds the back buffer's pixels while `graphics` draws on them
    if (pressed.value_or(0) != 0) {
        BindToBackBuffer(graphics, pixels, record->backBufferDc);
        RestoreCaptionArea(windowIndex, {bx, y0, bx + w, y0 + h});
        graphics::GraphicsPath face = NewPath();
        const bool close = button.kind == CAPTION_CLOSE;
        if (close) {
            CloseButtonPath(face, fx, fy, static_cast<float>(w), static_cast<float>(h), 5);
        } else {
            face.AddPathRectangle(fx, fy, static_cast<float>(w), static_cast<float>(h));
        }
        graphics.FillPath(VerticalGradient(fx, fy, static_cast<float>(h),
                                           close ? PRESSED_CLOSE_TOP : PRESSED_TOP,
                                           close ? PRESSED_CLOSE_BOTTOM : PRESSED_BOTTOM),
                          face);
        DrawPicture(graphics, PictureOf(*record, button), fx, fy, static_cast<float>(w - 1),
                    static_cast<float>(h));
        ShowArea(*record, graphics, bx, y0, w, h);
        return;
    }

    if (useGivenGraphics == 0) {
        BindToBackBuffer(graphics, pixels, record->backBufferDc);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    }
    DrawCaptionButtonHighlight(graphics, windowIndex, number, level.value_or(0));
    graphics.FillRectangle(VerticalGradient(fx, fy, static_cast<float>(h), GLOSS_TOP, GLOSS_BOTTOM),
                           fx - 1, fy, static_cast<float>(w + 1), static_cast<float>(h - 1));
    DrawPicture(graphics, PictureOf(*record, button), fx, fy, static_cast<float>(w),
                static_cast<float>(h));
    DrawCaptionButtonSeparators(windowIndex, number, graphics);
    if (useGivenGraphics == 0) ShowArea(*record, graphics, bx, y0, w, h);
}

void SkinEngine::DrawCaptionButtonHighlight(graphics::Graphics& graphics, int windowIndex,
                                            int number, int level) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->captionButtons.Contains(number)) return;
    const CaptionButton& button = record->captionButtons.At(number);
    const int w = button.width;
    const int h = button.height;
    const int bx = static_cast<int>(button.bounds.x - 1);
    const int by = static_cast<int>(button.bounds.y);
    const float fx = static_cast<float>(bx);
    const float fy = static_cast<float>(by);
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    level = std::clamp(level, 0, 255);

    // The restore also erases whatever highlight the button showed before.
    graphics.Flush();
    RestoreCaptionArea(windowIndex, {bx - 1, by, bx + w + 2, by + h + 1});

    const bool close = button.kind == CAPTION_CLOSE;
    graphics::GraphicsPath band = NewPath();
    AddTopRoundedPath(band, fx, fy, fw, fh, 1);
    graphics.FillPath(VerticalGradient(fx, fy, fh, ToArgb(BLACK, level / 5), ToArgb(WHITE, 0)),
                      band);
    const graphics::LinearGradientBrush colour = VerticalGradient(
        fx, fy, fh, ToArgb(close ? RED : themeColor, level), ToArgb(WHITE, 0));
    if (close) {
        graphics::GraphicsPath face = NewPath();
        CloseButtonPath(face, fx, fy, fw, fh, 5);
        graphics.FillPath(colour, face);
    } else {
        graphics.FillPath(colour, band);
    }

    const float outlineHeight = std::trunc(fh * 0.8f);
    graphics::GraphicsPath outline = NewPath();
    if (close) {
        CloseButtonPath(outline, fx, fy, fw - 1, outlineHeight, 5);
    } else {
        AddTopRoundedPath(outline, fx, fy, fw - 1, outlineHeight, 1);
    }
    const graphics::LinearGradientBrush outlineBrush = VerticalGradient(
        fx, fy, fh, ToArgb(WHITE, static_cast<int>(level * 0.8)), ToArgb(WHITE, 0));
    graphics::Pen pen;
    pen.CreatePen2(outlineBrush, 1.0f);
    graphics.DrawPath(pen, outline);
}

void SkinEngine::DrawCaptionButtonSeparators(int windowIndex, int number,
                                             graphics::Graphics& graphics) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->captionButtons.Contains(number)) return;
    const float y0 = static_cast<float>(record->buttonStripY);
    const float height = static_cast<float>(record->buttonStripHeight);
    auto separator = [&](int button, int alpha) {
        const float x = std::trunc(record->captionButtons.At(button).bounds.x - 2);
        const graphics::LinearGradientBrush brush =
            VerticalGradient(x, y0, height - 3, ToArgb(BLACK, alpha), ToArgb(BLACK, 0));
        graphics::Pen pen;
        pen.CreatePen2(brush, 1.0f);
        graphics.DrawLine(pen, x, y0 + 1, x, y0 + height - 4);
    };
    separator(number, number == 1 ? 100 : 60);
    if (record->captionButtons.Contains(number + 1)) separator(number + 1, 60);
}

}  // namespace skin
