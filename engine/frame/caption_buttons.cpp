// Caption buttons: their layout, hit test, routines, strip and pictures.
#include "engine/core/engine_tables.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_queries.h"
#include "graphics/graphics.h"

namespace skin {

namespace {
constexpr int STRIP_HEIGHT = 22;
constexpr int BUTTON_PITCH = 27;  // a button and its one-pixel gap

RECT ToolRect(const FloatRect& bounds) {
    return {static_cast<LONG>(bounds.x), static_cast<LONG>(bounds.y),
            static_cast<LONG>(bounds.x + bounds.width), static_cast<LONG>(bounds.y + bounds.height)};
}

void Replace(graphics::Bytes& field, const std::optional<graphics::Bytes>& picture) {
    if (picture) field = *picture;
}
}  // namespace

void SkinEngine::LayoutCaptionButtons(int windowIndex) {
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    if (record->hwnd) {
        RECT client{};
        GetClientRect(record->hwnd, &client);
        record->buttonStripX = client.right - record->buttonStripWidth + 1;
        record->buttonStripHeight = STRIP_HEIGHT;
    }
    int i = 0;
    for (CaptionButton& button : record->captionButtons) {
        button.bounds.x = static_cast<float>(record->buttonStripX + 2 + BUTTON_PITCH * i);
        button.bounds.y = static_cast<float>(record->buttonStripY + 1);
        button.bounds.width = button.kind == CAPTION_CLOSE ? 40.0f : 26.0f;
        button.bounds.height = 18.0f;
        ++i;
        record->captionToolTip.SetToolRect(static_cast<UINT_PTR>(i), ToolRect(button.bounds));
        record->captionToolTip.SetToolText(static_cast<UINT_PTR>(i), button.toolTip);
    }
}

int SkinEngine::HitTestCaptionButton(int windowIndex, int x, int y) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    if (x < record->buttonStripX || y < record->buttonStripY ||
        y > record->buttonStripY + record->buttonStripHeight) {
        return 0;
    }
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    int i = 0;
    for (const CaptionButton& button : record->captionButtons) {
        ++i;
        const FloatRect& b = button.bounds;
        if (b.x < fx && fx < b.x + b.width && b.y < fy && fy < b.y + b.height) return i;
    }
    return 0;
}

int SkinEngine::FindMaximizeButton(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    int i = 0;
    for (const CaptionButton& button : record->captionButtons) {
        ++i;
        if (button.kind == CAPTION_MAXIMIZE) return i;
    }
    return 0;
}

INT_PTR SkinEngine::SetHelpButtonHandler(HWND hwnd, INT_PTR routine) {
    WindowSkinRecord* record = RecordAt(FindWindowRecord(hwnd));
    if (!record) return 0;
    record->helpCallback = routine;
    return routine;
}

INT_PTR SkinEngine::SetMenuButtonHandler(HWND hwnd, INT_PTR routine) {
    WindowSkinRecord* record = RecordAt(FindWindowRecord(hwnd));
    if (!record) return 0;
    record->menuCallback = routine;
    return routine;
}

RECT SkinEngine::GetCaptionButtonStrip(HWND hwnd) {
    const WindowSkinRecord* record = RecordAt(FindWindowRecord(hwnd));
    if (!record) return RECT{};
    return {record->buttonStripX, record->buttonStripY,
            record->buttonStripX + record->buttonStripWidth,
            record->buttonStripY + record->buttonStripHeight};
}

int SkinEngine::SetCaptionButtonImages(HWND hwnd, std::optional<graphics::Bytes> minimizeImage,
                                       std::optional<graphics::Bytes> maximizeImage,
                                       std::optional<graphics::Bytes> restoreImage,
                                       std::optional<graphics::Bytes> closeImage) {
    const int windowIndex = IndexFromProperty(hwnd);
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || record->captionButtons.Count() < 1) return 0;
    RecordList<CaptionButton>& buttons = record->captionButtons;
    const int n = buttons.Count();
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const bool minimize = (style & WS_MINIMIZEBOX) != 0;
    const bool maximize = (style & WS_MAXIMIZEBOX) != 0;
    // The standard buttons sit at the right end: close last, maximize and minimize before it.
    CaptionButton* beforeClose = buttons.Find(n - 1);
    CaptionButton* twoBeforeClose = buttons.Find(n - 2);
    if (minimize && maximize) {
        if (beforeClose) {
            Replace(beforeClose->image, maximizeImage);
            Replace(beforeClose->image2, restoreImage);
        }
        if (twoBeforeClose) Replace(twoBeforeClose->image, minimizeImage);
    } else if (minimize) {
        if (beforeClose) Replace(beforeClose->image, minimizeImage);
    } else if (maximize) {
        if (beforeClose) {
            Replace(beforeClose->image, maximizeImage);
            Replace(beforeClose->image2, restoreImage);
        }
    }
    Replace(buttons.At(n).image, closeImage);

    for (int i = 1; i <= n; ++i) {
        graphics::Graphics surface;
        DrawCaptionButton(windowIndex, i, surface, 0);
    }
    return 1;
}

}  // namespace skin
