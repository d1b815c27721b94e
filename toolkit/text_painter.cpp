// Label text through the graphics library, with plain GDI where GDI+ cannot draw.
#include "toolkit/text_painter.h"

#include "toolkit/face_choice.h"
#include "toolkit/gdi_guards.h"
#include "toolkit/text.h"

namespace toolkit {

namespace {

constexpr int SHADOW_OFFSET = 2;

void DrawWithGdi(HDC dc, const RECT& box, const std::wstring& text, const TransparentLabel& style) {
    const LOGFONTW logFont = LabelFont(style);
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
    DrawWithGdi(dc, box, text, style);
}

}  // namespace toolkit
