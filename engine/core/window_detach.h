// Releasing the record of a destroyed window and renumbering the windows that remain.
#pragma once
#include <windows.h>

namespace skin {

// Called on WM_NCDESTROY of an attached window: deletes the edit boxes' colour-reply objects
// and the window's three buffers, closes its tool-tip windows, removes its record (later
// records move down by one) and writes the new positions into "Hw_lbID" of every remaining
// window, "Hw_FuID" of their controls and containers and "Kj_FuID" of their composite
// controls. The window loses the properties the engine gave it ("Hw_lbID", "Hw_hProc", the
// back-buffer and region ones); its procedure is left as it is. A window without a record
// only triggers the renumbering.
void DetachWindow(HWND hwnd);

// Writes the current record positions into the identity properties of every attached
// window and everything registered in it.
void RenumberWindowRecords();

}  // namespace skin
