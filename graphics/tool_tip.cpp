// ToolTip: tool registration and styling through the tool-tip control's messages.
#include "graphics/tool_tip.h"

#include <commctrl.h>

namespace graphics {

namespace {
// The tool-tip class must be registered before the first tip window exists; once per process.
void EnsureCommonControls() {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}
}  // namespace

ToolTip::~ToolTip() = default;

std::unique_ptr<ToolTip> ToolTip::Copy() const { return std::make_unique<ToolTip>(*this); }

HWND ToolTip::CreateTipWindow(HWND owner, int balloon) {
    EnsureCommonControls();
    ownerWindow = owner;
    const DWORD style = balloon != 0 ? TTS_ALWAYSTIP | TTS_BALLOON : TTS_ALWAYSTIP;
    tipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    return tipWindow;
}

LRESULT ToolTip::SendTool(UINT message, UINT_PTR id, const RECT* rect, LPSTR text) const {
    if (!tipWindow) return 0;
    // The first-version record (no lParam field): every comctl32 version accepts it.
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = ownerWindow;
    tool.uId = id;
    if (rect) tool.rect = *rect;
    tool.lpszText = text;
    return SendMessageA(tipWindow, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::AddTool(const RECT& rect, const std::string& text, UINT_PTR id) {
    SendTool(TTM_ADDTOOLA, id, &rect, const_cast<LPSTR>(text.c_str()));
}

void ToolTip::AddCallbackTool(const RECT& rect, UINT_PTR id) {
    SendTool(TTM_ADDTOOLA, id, &rect, LPSTR_TEXTCALLBACKA);
}

LRESULT ToolTip::SetTipBackColor(COLORREF color) {
    return tipWindow ? SendMessageA(tipWindow, TTM_SETTIPBKCOLOR, color, 0) : 0;
}

LRESULT ToolTip::SetTipTextColor(COLORREF color) {
    return tipWindow ? SendMessageA(tipWindow, TTM_SETTIPTEXTCOLOR, color, 0) : 0;
}

LRESULT ToolTip::SetMaxTipWidth(int width) {
    return tipWindow ? SendMessageA(tipWindow, TTM_SETMAXTIPWIDTH, 0, width) : 0;
}

void ToolTip::DeleteTool(UINT_PTR id) { SendTool(TTM_DELTOOLA, id, nullptr, nullptr); }

void ToolTip::SetToolRect(UINT_PTR id, const RECT& rect) {
    SendTool(TTM_NEWTOOLRECTA, id, &rect, nullptr);
}

void ToolTip::SetToolText(UINT_PTR id, const std::string& text) {
    SendTool(TTM_UPDATETIPTEXTA, id, nullptr, const_cast<LPSTR>(text.c_str()));
}

HWND ToolTip::GetTipWindow() const { return tipWindow; }

}  // namespace graphics
