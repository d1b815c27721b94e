// The bottom bar of an attached window: its items, their layout, painting and style.
#include "engine/core/argb.h"
#include "engine/core/back_buffer_surface.h"
#include "engine/core/engine_settings.h"
#include "engine/core/gdi_guards.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_queries.h"
#include "engine/frame/text_effects.h"
#include "graphics/graphics.h"

namespace skin {

namespace {
constexpr std::uint32_t ITEM_TOP = 0x3CFFFFFF;     // white, alpha 60
constexpr std::uint32_t ITEM_BOTTOM = 0x0AFFFFFF;  // white, alpha 10
constexpr int TEXT_HEIGHT = 12;                    // the text is centred as if 12 pixels high
constexpr int GLOW_SCALE = 4;

}  // namespace

void SkinEngine::CreateBottomBar(int windowIndex, int height,
                                 std::optional<std::vector<BottomBarItem>> items) {
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    const int b = frameWidth;
    record->bottomBarHeight = height;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    const int top = client.bottom - b - height - 1;
    record->bottomBarRect = {b, top, client.right - 2 * b, height};

    record->bottomBarItems.Clear();
    record->bottomBarItemRects.Clear();
    if (!items || items->empty()) {
        // One item spanning the bar, ready for SetBottomBarItem.
        record->bottomBarItemRects.Append(record->bottomBarRect);
        BottomBarItem whole;
        whole.width = -1;
        record->bottomBarItems.Append(whole);
        return;
    }
    int x = b;
    int previous = 0;
    for (const BottomBarItem& item : *items) {
        x += previous;
        const int width = item.width == -1 ? client.right - b - x : item.width;
        record->bottomBarItemRects.Append({x, top, width, height});
        record->bottomBarItems.Append(item);
        previous = width;
    }
}

void SkinEngine::LayoutBottomBar(int windowIndex) {
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    const int b = frameWidth;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    IntRect& bar = record->bottomBarRect;
    bar.x = b;
    bar.y = client.bottom - record->bottomBarHeight - b - 1;
    bar.width = client.right - 2 * b;
    int x = b;
    int used = 0;
    for (int i = 1; i <= record->bottomBarItemRects.Count(); ++i) {
        IntRect& rect = record->bottomBarItemRects.At(i);
        rect.y = bar.y;
        rect.x = x;
        const BottomBarItem* item = record->bottomBarItems.Find(i);
        if (item && item->width == -1) rect.width = client.right - used - 2 * b;
        used += rect.width;
        x += rect.width;
    }
}

void SkinEngine::DrawBottomBarItem(int windowIndex, graphics::Graphics& graphics,
                                   int useGivenGraphics, std::optional<int> itemNumber) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    const int n = itemNumber.value_or(1);
    if (!record || !record->backBufferDc || !record->bottomBarItemRects.Contains(n) ||
        !record->bottomBarItems.Contains(n)) {
        return;
    }
    const IntRect& r = record->bottomBarItemRects.At(n);
    const BottomBarItem& item = record->bottomBarItems.At(n);
    const float x = static_cast<float>(r.x);
    const float y = static_cast<float>(r.y);
    const float w = static_cast<float>(r.width);
    const float h = static_cast<float>(r.height);

    graphics::Bitmap pixels;  // holds the back buffer's pixels while `graphics` draws on them
    if (useGivenGraphics == 0) {
        BindToBackBuffer(graphics, pixels, record->backBufferDc);
        RestoreBottomBarArea(windowIndex, {r.x, r.y, r.x + r.width, r.y + r.height});
    }
    {
        graphics::LinearGradientBrush face;
        face.CreateLineBrush({x, y}, {x, y + h}, ITEM_TOP, ITEM_BOTTOM);
        graphics.FillRectangle(face, x, y, w, h);
    }

    const float textTop = y + (h - TEXT_HEIGHT) / 2;
    FloatRect text{x + 3, textTop, w, h};
    graphics::Bitmap picture;
    if (!item.picture.empty() && picture.LoadImageFromBytes(item.picture)) {
        const float pw = static_cast<float>(picture.GetImageWidth());
        const float ph = static_cast<float>(picture.GetImageHeight());
        graphics.DrawImageRectRect(picture, x + 2, y + (h - ph) / 2, pw, ph, 0, 0, pw, ph);
        text = {x + pw + 3, textTop, w - pw - 3, h};
    }

    if (record->bottomBarGlow) {
        DrawGlowText(graphics, item.text, text, record->bottomBarGlowTextColor,
                     record->bottomBarGlowColor, GLOW_SCALE, record->bottomBarFontName, 0,
                     record->bottomBarFontSize, 0, 0);
    } else {
        const COLORREF colour =
            record->bottomBarInvertText ? (~backColor & 0xFFFFFF) : item.textColor;
        graphics::Font font;
        if (!font.CreateFontByName(record->bottomBarFontName,
                                   static_cast<float>(record->bottomBarFontSize), 0,
                                   Gdiplus::UnitPixel)) {
            graphics::FontFamily family;
            family.GetGenericFontFamilySansSerif();
            font.CreateFont(family, static_cast<float>(record->bottomBarFontSize), 0,
                            Gdiplus::UnitPixel);
        }
        graphics::StringFormat format;
        format.CreateStringFormat(0);
        format.SetStringFormatAlign(Gdiplus::StringAlignmentNear);
        graphics::SolidBrush brush;
        brush.CreateSolidFill(ToArgb(colour, 255));
        graphics.DrawString(item.text, font, brush,
                            graphics::RectF(text.x, text.y, text.width, text.height), &format);
    }

    if (useGivenGraphics == 0) {
        HWND hwnd = record->hwnd;
        HDC backBuffer = record->backBufferDc;
        graphics.DeleteGraphics();
        WindowDcGuard screen(hwnd);
        if (screen) BitBlt(screen.get(), r.x, r.y, r.width, r.height, backBuffer, r.x, r.y, SRCCOPY);
    }
}

int SkinEngine::SetBottomBarItem(HWND hwnd, int itemNumber, const std::string& text,
                                 std::optional<graphics::Bytes> picture,
                                 std::optional<COLORREF> textColor) {
    const int windowIndex = FindWindowRecord(hwnd);
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->bottomBarItems.Contains(itemNumber)) return 0;
    BottomBarItem& item = record->bottomBarItems.At(itemNumber);
    item.text = text;
    if (picture) item.picture = *picture;
    if (textColor) item.textColor = *textColor;
    graphics::Graphics surface;
    DrawBottomBarItem(windowIndex, surface, 0, itemNumber);
    return 1;
}

int SkinEngine::SetBottomBarStyle(HWND hwnd, std::optional<int> invertText, std::optional<int> glow,
                                  std::optional<COLORREF> glowTextColor,
                                  std::optional<COLORREF> glowColor,
                                  std::optional<std::string> fontName,
                                  std::optional<int> fontSize) {
    WindowSkinRecord* record = RecordAt(IndexFromProperty(hwnd));
    if (!record) return 0;
    record->bottomBarInvertText = invertText.value_or(1);
    record->bottomBarGlow = glow.value_or(0);
    record->bottomBarGlowTextColor = glowTextColor.value_or(0);
    record->bottomBarGlowColor = glowColor.value_or(0xFFFFFF);
    if (fontName) record->bottomBarFontName = *fontName;
    if (fontSize) record->bottomBarFontSize = *fontSize;
    return 1;
}

void SkinEngine::LayoutDockedWindows(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    RECT client{};
    GetClientRect(record->hwnd, &client);
    // Copied first: moving a docked window sends messages that may change the record table.
    std::vector<DockedItem> docked(record->dockedWindows.begin(), record->dockedWindows.end());
    const int barHeight = record->bottomBarHeight;
    for (const DockedItem& item : docked) {
        if (!item.window) continue;
        MoveWindow(item.window, 2, item.top, client.right - 4,
                   client.bottom - item.top - barHeight - 3, TRUE);
    }
}

}  // namespace skin
