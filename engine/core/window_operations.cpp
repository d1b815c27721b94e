// Per-window and theme operations: custom caption buttons, title style, backgrounds, theme.
#include <algorithm>

#include "engine/core/background_picture.h"
#include "engine/core/child_windows.h"
#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"
#include "engine/core/full_repaint.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_queries.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

constexpr int AVERAGE_SAMPLES = 2000;

// The colour part of a COLORREF whose high byte may carry an alpha.
COLORREF RgbOnly(COLORREF colour) { return colour & 0xFFFFFF; }

// A picture file as PNG bytes; empty when it cannot be read.
graphics::Bytes FileAsPng(const std::string& fileName) {
    graphics::Image image;
    if (!image.LoadImageFromFile(fileName)) return {};
    return image.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
}

}  // namespace

int SkinEngine::AddCaptionButton(HWND hwnd, const graphics::Bytes& picture,
                                 const std::string& toolTip, INT_PTR routine) {
    CaptionButton button;
    button.width = 26;
    button.height = 18;
    button.image = picture;
    button.kind = CAPTION_CUSTOM;
    button.toolTip = toolTip;
    button.callback = routine;

    const int windowIndex = IndexFromProperty(hwnd);
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    record->buttonStripWidth += 27;
    // The new button goes in front of all others, so it is laid out leftmost.
    std::vector<CaptionButton> existing(record->captionButtons.begin(),
                                        record->captionButtons.end());
    record->captionButtons.Clear();
    record->captionButtons.Append(std::move(button));
    for (CaptionButton& other : existing) record->captionButtons.Append(std::move(other));

    const int n = record->captionButtons.Count();
    record->captionToolTip.AddTool(RECT{}, toolTip, static_cast<UINT_PTR>(n));
    record->captionToolCount = n;
    // Rewrites every tool with the rectangle and text of the button now at its number.
    LayoutCaptionButtons(windowIndex);
    return 1;
}

int SkinEngine::SetTitleStyle(HWND hwnd, std::optional<std::string> fontName,
                              std::optional<int> fontSize, std::optional<COLORREF> titleColor,
                              std::optional<COLORREF> glowColor, std::optional<int> fontStyle) {
    const int windowIndex = IndexFromProperty(hwnd);
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    if (fontName) record->titleFontName = *fontName;
    if (fontSize) record->titleFontSize = *fontSize;
    if (titleColor) record->titleColor = *titleColor;
    if (glowColor) record->titleGlowColor = *glowColor;
    if (fontStyle) record->titleFontStyle = *fontStyle;
    // A window drawn without a title keeps none.
    if (record->showTitle && record->captionEnabled) {
        const std::string text = WindowText(hwnd);
        graphics::Graphics surface;
        DrawCaptionTitle(windowIndex, surface, 0, text);
    }
    return 1;
}

int SkinEngine::SetWindowBackground(HWND hwnd, const graphics::Bytes& picture,
                                    std::optional<int> layout) {
    WindowSkinRecord* record = RecordAt(IndexFromProperty(hwnd));
    if (!record || picture.empty()) return 0;
    if (layout) record->backgroundLayout = *layout;
    record->backgroundColor = SampleAverageColor(picture, AVERAGE_SAMPLES);
    record->backgroundImage =
        PrepareWindowPicture(picture, record->backgroundLayout, record->backgroundColor);
    record->needsFullRepaint = 1;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

void SkinEngine::SetTheme(const std::string& fileName, const graphics::Bytes& picture,
                          std::optional<COLORREF> backgroundColor,
                          std::optional<COLORREF> themeColorValue, std::optional<int> layout) {
    const bool followBackground = themeColorValue == THEME_FROM_BACKGROUND;
    if (!followBackground) themeColor = themeColorValue.value_or(DEFAULT_THEME_COLOR);
    if (picture.empty() && !backgroundColor && fileName.empty()) return;

    if (fileName.empty() && picture.empty()) {
        defaultBackgroundImage.clear();
        backColor = RgbOnly(backgroundColor.value_or(GetSysColor(COLOR_BTNFACE)));
        if (followBackground) themeColor = backColor;
    } else {
        backColor = RgbOnly(backgroundColor ? *backgroundColor
                                            : SampleAverageColor(picture, AVERAGE_SAMPLES,
                                                                 std::nullopt, std::nullopt,
                                                                 fileName));
        if (followBackground) themeColor = backColor;
        defaultBackgroundLayout = layout.value_or(BACKGROUND_TILED);
        if (defaultBackgroundLayout == BACKGROUND_TOP_LEFT) {
            defaultBackgroundImage =
                ComposeFadedBackground(picture, std::nullopt, backColor, std::nullopt, fileName);
        } else if (defaultBackgroundLayout == BACKGROUND_TOP_RIGHT) {
            defaultBackgroundImage = ComposeFadedBackground(picture, std::nullopt, backColor, 0, fileName);
        } else {
            defaultBackgroundImage = fileName.empty() ? picture : FileAsPng(fileName);
        }
    }

    // Painting sends messages, so each record is found again by its position.
    for (int i = 1; RecordAt(i); ++i) {
        HWND window = RecordAt(i)->hwnd;
        if (!IsWindowVisible(window)) continue;
        PaintWindow(i, 0);
        InvalidateRect(window, nullptr, FALSE);
        InvalidateVisibleChildren(window);
        RepaintHeaders(i);
    }
}

}  // namespace skin
