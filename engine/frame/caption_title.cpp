// The caption title of an attached window: the icon and the haloed window text.
#include <algorithm>

#include "engine/core/back_buffer_surface.h"
#include "engine/core/child_windows.h"
#include "engine/core/engine_settings.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_queries.h"
#include "engine/frame/text_effects.h"
#include "graphics/graphics.h"

namespace skin {

namespace {
constexpr int TITLE_HEIGHT = 32;
constexpr int ICON_SIZE = 17;

}  // namespace

void SkinEngine::DrawCaptionTitle(int windowIndex, graphics::Graphics& graphics,
                                  int useGivenGraphics, std::optional<std::string> text) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->backBufferDc) return;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    const int b = frameWidth;
    const int x0 = b + 6;
    const int y0 = b + 5;
    const int width = client.right - record->buttonStripWidth - 10 - 2 * b;
    // The band the title owns: from the icon's top to the end of the caption. Everything the
    // title draws stays inside it, so that a partial update can erase it from the clean copy.
    const int bandTop = y0 - 3;
    const int bandBottom = std::min(y0 + TITLE_HEIGHT, record->captionHeight);
    if (width <= 0 || bandBottom <= bandTop) return;

    graphics::Bitmap pixels;  // holds the back buffer's pixels while `graphics` draws on them
    if (useGivenGraphics == 0) {
        BindToBackBuffer(graphics, pixels, record->backBufferDc);
        RestoreCaptionArea(windowIndex, {x0, bandTop, x0 + width, bandBottom});
    }
    graphics.Flush();
    if (defaultIcon) {
        DrawIconEx(record->backBufferDc, x0, y0 - 3, defaultIcon, ICON_SIZE, ICON_SIZE, 0, nullptr,
                   DI_NORMAL);
        GdiFlush();
    }

    const std::string title = text ? *text : WindowText(record->hwnd);
    const Gdiplus::GraphicsState state = graphics.SaveGraphics();
    graphics.SetClipRect(static_cast<float>(x0), static_cast<float>(y0),
                         static_cast<float>(width), static_cast<float>(bandBottom - y0),
                         Gdiplus::CombineModeIntersect);
    DrawHaloText(graphics, title,
                 {static_cast<float>(x0 + 20), static_cast<float>(y0), static_cast<float>(width),
                  static_cast<float>(TITLE_HEIGHT)},
                 record->titleColor, record->titleGlowColor, 1, record->titleFontName,
                 record->titleFontStyle != 0 ? 1 : 0, record->titleFontSize, 0, 0);
    graphics.RestoreGraphics(state);

    if (useGivenGraphics == 0) {
        HWND hwnd = record->hwnd;
        HDC backBuffer = record->backBufferDc;
        graphics.DeleteGraphics();
        HDC screen = GetDcWithoutChildren(hwnd);
        if (screen) {
            BitBlt(screen, x0, bandTop, width, bandBottom - bandTop, backBuffer, x0, bandTop,
                   SRCCOPY);
            ReleaseDC(hwnd, screen);
        }
    }
}

}  // namespace skin
