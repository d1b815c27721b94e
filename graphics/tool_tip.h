// ToolTip: a small object over one window of the common controls' tool-tip class.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

namespace graphics {

// Holds one tool-tip window and the window whose client area carries its tools. Every tool is
// registered with TTF_SUBCLASS, so the control watches the owner's mouse by itself. Texts are
// GBK bytes; the control keeps its own copy of every text it is given.
//
// The object does not own the tool-tip window: destroying it (or a copy) leaves the window
// alive. Operations called before CreateTipWindow change nothing.
class ToolTip {
public:
    ToolTip() = default;
    virtual ~ToolTip();

    // A new object referring to the same two windows.
    virtual std::unique_ptr<ToolTip> Copy() const;

    // Remembers `owner` and creates a top-level tool-tip window (TTS_ALWAYSTIP, plus TTS_BALLOON
    // when `balloon` is non-zero) with no parent. Initialises the common controls first. Returns
    // the new window, 0 when it could not be created. A second call forgets the first window.
    virtual HWND CreateTipWindow(HWND owner, int balloon = 0);

    // Registers tool `id` over `rect` (owner's client coordinates) showing `text`.
    virtual void AddTool(const RECT& rect, const std::string& text, UINT_PTR id);
    // Registers tool `id` whose text the owner supplies on every TTN_GETDISPINFOA.
    virtual void AddCallbackTool(const RECT& rect, UINT_PTR id);
    virtual LRESULT SetTipBackColor(COLORREF color);
    virtual LRESULT SetTipTextColor(COLORREF color);
    // Returns the previous maximum width.
    virtual LRESULT SetMaxTipWidth(int width);
    virtual void DeleteTool(UINT_PTR id);
    virtual void SetToolRect(UINT_PTR id, const RECT& rect);
    virtual void SetToolText(UINT_PTR id, const std::string& text);
    virtual HWND GetTipWindow() const;

    HWND tipWindow = nullptr;    // the tool-tip window, 0 until CreateTipWindow
    HWND ownerWindow = nullptr;  // the window whose client area holds the tools

private:
    // Sends a tool message with the 40-byte tool record: TTF_SUBCLASS, the owner, `id`, `rect`
    // and `text` (null where the message takes none).
    LRESULT SendTool(UINT message, UINT_PTR id, const RECT* rect, LPSTR text) const;
};

}  // namespace graphics
