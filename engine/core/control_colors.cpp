// Colour replies for the controls of attached windows, and repaints after notifications.
#include "engine/core/background_capture.h"
#include "engine/core/control_queries.h"
#include "engine/core/engine_settings.h"
#include "engine/core/window_messages.h"

namespace skin {

namespace {

COLORREF TextColourOf(HWND control) {
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, "Kj_Ztys")));
}

void DeleteProperty(HWND control, const char* name) {
    if (HGDIOBJ object = GetPropA(control, name)) DeleteObject(object);
}

// The background behind the control as a pattern brush. The brush and bitmap of the
// previous reply to the same control go first, so a control holds at most one of each.
LRESULT PictureBrushReply(HDC dc, HWND control) {
    SetTextColor(dc, TextColourOf(control));
    SetBkMode(dc, TRANSPARENT);
    DeleteProperty(control, "Kj_dxjb");
    DeleteProperty(control, "Kj_wtjb");
    HBITMAP bitmap = MakeBackgroundBitmap(control);
    HBRUSH brush = bitmap ? CreatePatternBrush(bitmap) : nullptr;
    SetPropA(control, "Kj_dxjb", brush);
    SetPropA(control, "Kj_wtjb", bitmap);
    // Without a background the control still draws, transparently.
    return reinterpret_cast<LRESULT>(brush ? brush : GetStockObject(NULL_BRUSH));
}

LRESULT HollowReply(HDC dc, HWND control) {
    SetTextColor(dc, TextColourOf(control));
    SetBkMode(dc, TRANSPARENT);
    DeleteProperty(control, "Kj_dxjb");
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    SetPropA(control, "Kj_dxjb", brush);
    return reinterpret_cast<LRESULT>(brush);
}

bool Translucent() { return skinControls != 0 && translucentControls != 0; }

}  // namespace

std::optional<LRESULT> ReplyControlColor(UINT message, HDC dc, HWND control) {
    switch (message) {
    case WM_CTLCOLOREDIT:
        // The edit box of a combo box is painted by the combo box's skin.
        if (GetClassNameText(GetParent(control)) == "ComboBox" || !Translucent()) break;
        return PictureBrushReply(dc, control);
    case WM_CTLCOLORSTATIC:
        if (!Translucent()) break;
        return PictureBrushReply(dc, control);
    case WM_CTLCOLORLISTBOX:
        if (skinControls == 0 || GetClassNameText(control) != "ListBox" ||
            IsOwnerDrawnListBox(control) || translucentControls == 0) {
            break;
        }
        return HollowReply(dc, control);
    case WM_CTLCOLORBTN:
        if (!Translucent()) break;
        return HollowReply(dc, control);
    default:
        break;
    }
    return std::nullopt;
}

void OnControlCommand(WPARAM wParam, LPARAM lParam) {
    if (!Translucent()) return;
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control) return;
    const WORD code = HIWORD(wParam);
    const std::string kind = GetClassNameText(control);
    bool repaint = false;
    if (kind == "Edit") {
        repaint = code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
    } else if (kind == "ListBox") {
        repaint = code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    } else if (kind == "ComboBox") {
        repaint = code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    }
    if (repaint) InvalidateRect(control, nullptr, TRUE);
}

}  // namespace skin
