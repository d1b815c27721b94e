// Small questions painters ask about a control: its class, its list-box kind and its font.
#pragma once
#include <windows.h>

#include <string>

namespace skin {

// GetClassNameA of `window` (up to 255 characters); empty for a window that does not exist.
std::string GetClassNameText(HWND window);

// 1 for a list box (class "ListBox") with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE, else 0.
int IsOwnerDrawnListBox(HWND window);

// The font a control draws with, as GDI+ describes it.
struct ControlFont {
    std::string face;  // family name, GBK
    int size = 0;      // GDI+ font size, truncated
    int style = 0;     // GDI+ FontStyle bits
};

// The control's WM_GETFONT font (the DC's font when it has none) read through GDI+. All
// empty when GDI+ cannot take the font (for example a bitmap font). The control keeps its
// font; nothing of it is deleted. GDI+ must be running.
ControlFont GetControlFont(HWND window);

}  // namespace skin
