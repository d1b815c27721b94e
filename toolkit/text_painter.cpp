// Label text through the graphics library, with plain GDI where GDI+ cannot draw.
#include "toolkit/text_painter.h"

#include "graphics/graphics.h"
#include "toolkit/face_choice.h"
#include "toolkit/gdi_guards.h"
#include "toolkit/text.h"

namespace toolkit {

namespace {

constexpr int SHADOW_OFFSET = 2;

constexpr int SMALLEST_HEIGHT = 6;

// The room a line has: the label's width less the shadow's offset and a pixel for smoothing.
int Room(const RECT& box, const TransparentLabel& style) {
    return box.right - box.left - (style.shadow ? SHADOW_OFFSET : 0) - 1;
}

// `logFont` made smaller by room / extent when the line is wider than its room.
void ShrinkToFit(LOGFONTW& logFont, double extent, int room) {
    if (extent <= room || extent <= 0 || room <= 0) return;
    const int height = static_cast<int>(-logFont.lfHeight * room / extent);
    logFont.lfHeight = -(height > SMALLEST_HEIGHT ? height : SMALLEST_HEIGHT);
}

// A line too wide for its label is drawn smaller rather than cut off: a stand-in face for the
// label's own is often wider than the one the label was laid out with.
LOGFONTW FittedFont(HDC dc, const std::wstring& text, const TransparentLabel& style, const RECT& box) {
    LOGFONTW logFont = LabelFont(style);
    GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
    Selection selection(dc, font.get());
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ShrinkToFit(logFont, extent.cx, Room(box, style));
    return logFont;
}

bool DrawWithGraphics(HDC dc, const RECT& box, const std::wstring& text, LOGFONTW logFont,
                      const TransparentLabel& style) {
    graphics::Graphics surface;
    if (!surface.CreateFromHDC(dc)) return false;
    graphics::Font font;
    graphics::StringFormat format;
    graphics::SolidBrush brush, shadow;
    const graphics::Bytes utf16 = graphics::WideToBytes(text);
    if (!font.CreateFontFromLogfontW(dc, &logFont) ||
        !format.CreateStringFormat(Gdiplus::StringFormatFlagsNoWrap)) return false;
    // GDI+ lays text out a little wider than GDI: measure again with its own metrics.
    Gdiplus::RectF bounds;
    const Gdiplus::RectF unlimited(0, 0, 100000.0f, 100000.0f);
    if (surface.MeasureStringW(utf16, font, unlimited, &format, bounds) &&
        bounds.Width > Room(box, style)) {
        ShrinkToFit(logFont, bounds.Width, Room(box, style));
        font.DeleteFont();
        if (!font.CreateFontFromLogfontW(dc, &logFont)) return false;
    }
    const graphics::ARGB color = 0xFF000000u | (GetRValue(style.color) << 16) |
                                 (GetGValue(style.color) << 8) | GetBValue(style.color);
    if (!brush.CreateSolidFill(color) || !shadow.CreateSolidFill(0xFF000000u)) return false;
    format.SetStringFormatAlign(Gdiplus::StringAlignmentNear);
    format.SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    surface.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    const Gdiplus::RectF layout(static_cast<float>(box.left), static_cast<float>(box.top),
                                static_cast<float>(box.right - box.left),
                                static_cast<float>(box.bottom - box.top));
    if (style.shadow) {
        Gdiplus::RectF offset = layout;
        offset.X += SHADOW_OFFSET;
        offset.Y += SHADOW_OFFSET;
        surface.DrawStringW(utf16, font, shadow, offset, &format);
    }
    return surface.DrawStringW(utf16, font, brush, layout, &format) != 0;
}

void DrawWithGdi(HDC dc, const RECT& box, const std::wstring& text, const LOGFONTW& logFont,
                 const TransparentLabel& style) {
    GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
    Selection selection(dc, font.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(dc);
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (style.shadow) {
        RECT shadow = box;
        OffsetRect(&shadow, SHADOW_OFFSET, SHADOW_OFFSET);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    }
    SetTextColor(dc, style.color);
    RECT place = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

}  // namespace

LOGFONTW LabelFont(const TransparentLabel& style) {
    LOGFONTW font = {};
    font.lfHeight = -style.pixelHeight;  // negative: character height, not cell height
    font.lfWeight = style.weight;
    font.lfCharSet = style.charSet;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = ANTIALIASED_QUALITY;
    const std::wstring face = ChooseFace(Widen(style.face));
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

void DrawLabelText(HDC dc, const RECT& box, const std::wstring& text, const TransparentLabel& style) {
    if (text.empty()) return;
    const LOGFONTW font = FittedFont(dc, text, style, box);
    // Where GDI+ is not running (or refuses the face) the label still reads, drawn by GDI.
    if (!DrawWithGraphics(dc, box, text, font, style)) DrawWithGdi(dc, box, text, font, style);
}

}  // namespace toolkit
