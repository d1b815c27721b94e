// Small questions about an attached window: its record through its property, its text, and
// the client point a mouse message carries.
#pragma once
#include <windows.h>

#include <string>

namespace skin {

// The record position in "Hw_lbID" of `hwnd` when it names a record of that very window;
// 0 otherwise (not attached, or a stale property).
int IndexFromProperty(HWND hwnd);

// The window's text (GetWindowTextA), empty when it has none.
std::string WindowText(HWND hwnd);

// The signed client coordinates packed in a mouse message's lParam.
inline int PointX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int PointY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace skin
