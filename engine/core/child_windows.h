// Painting around child windows: a DC that leaves them out, and invalidating them.
#pragma once
#include <windows.h>

namespace skin {

// `dc`, or GetDC(window) when `dc` is null, with the area of every visible direct child that
// lacks WS_EX_TRANSPARENT excluded from its clip region, so that painting the window does
// not paint over its children. Children that are attached windows themselves are not
// excluded. A DC obtained here is given back by the caller with ReleaseDC(window, dc).
HDC GetDcWithoutChildren(HWND window, HDC dc = nullptr);

// Invalidates (and marks for erasing) every visible direct child of `window`.
void InvalidateVisibleChildren(HWND window);

}  // namespace skin
