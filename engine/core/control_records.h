// The per-kind entries of skinned controls, held in the lists of a window record.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "graphics/bytes.h"
#include "graphics/tool_tip.h"

namespace skin {

// Every entry starts with the control and the window procedure the engine replaced. The
// control finds its entry through its "Hw_lbID" property (1-based) and its window record
// through "Hw_FuID"; composite controls use "Kj_lbID" and "Kj_FuID".

struct ButtonSkinRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int kind = 0;                        // push, picture, four-picture, radio or check
    std::array<graphics::Bytes, 5> images;  // encoded pictures of the picture kinds
    int value = 0;                       // picture button: 0 picture above the text, else beside
    std::string text;                    // the button's window text
    int focused = 0;
    int checkedAtAttach = 0;             // check and radio boxes: checked when attached
    HWND parentWindow = nullptr;         // check and radio boxes: parent given to the attach
    graphics::ToolTip toolTip;           // allocated with the entry; created by picture buttons
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;                   // GDI+ font style bits
};

struct EditRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int focused = 0;
    int pressed = 0;
};

struct ComboRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int focused = 0;
};

struct TrackBarRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int vertical = 0;
    int tickPlacement = 0;  // 0 top/left, 1 bottom/right, 2 both, 3 none
    int hot = 0;
    int selectionRange = 0;
};

struct ProgressRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int vertical = 0;
};

// List boxes, list views, tree views, IP-address fields and date-time pickers.
struct ListRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int focused = 0;
    int hot = 0;
    int arrowKeyDown = 0;
};

struct SpinRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int hot = 0;
    int hotPart = 0;        // 0 first half, 1 second half
    int pressed = 0;
    int horizontal = 0;
    int pressPosition = 0;  // lParam of the last button press or release
};

struct HeaderRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    int hot = 0;
    int hotItem = 0;         // 1-based, 0 for none
    int paintedHotItem = 0;
    int buttons = 0;         // HDS_BUTTONS
    int pressedItem = 0;     // 1-based, 0 for none
    int pressed = 0;
    std::string fontFace;
    int fontStyle = 0;
    int fontSize = 0;
    HIMAGELIST imageList = nullptr;
};

// A control drawn by another component whose face colour the engine keys out.
struct CompositeRecord {
    HWND hwnd = nullptr;
    WNDPROC previousWndProc = nullptr;
    COLORREF keyColor = 0;
};

template <class Entry>
HWND EntryWindow(const Entry& entry) {
    return entry.hwnd;
}

}  // namespace skin
