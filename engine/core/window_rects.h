// Rectangles of controls relative to their window, their root and their skinned owner.
#pragma once
#include <windows.h>

namespace skin {

// The client area in window coordinates, assuming equal borders on opposite sides. A visible
// standard scroll bar (WS_VSCROLL / WS_HSCROLL) is counted as border on the far side.
RECT GetClientRectInWindow(HWND window);

// The window rectangle of `window` relative to the top-left corner of `reference`'s window
// rectangle.
RECT RectRelativeTo(HWND reference, HWND window);

// The same relative to the root window of `window`.
RECT RectRelativeToRoot(HWND window);

// The window rectangle of `control` relative to its owning attached window (the nearest
// ancestor with a window record); all zero when `control` is itself an attached window.
RECT RectInOwningWindow(HWND control);

}  // namespace skin
