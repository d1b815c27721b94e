// Windows given a window record and a back buffer by hand, as the window attach will do.
#pragma once
#include <windows.h>

#include <type_traits>

#include "engine/core/engine_tables.h"
#include "engine/core/window_record.h"

namespace qtest {

// The colour the test back buffer holds at (x, y): distinct for every position below 4096,
// so that a copied pixel tells where it came from.
constexpr COLORREF BackBufferColor(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) | (((y >> 8) & 0x0F) << 4));
}

// Gives `hwnd` what the attach gives an attached window, without its painting or its
// procedure: a record appended to windowRecords with "Hw_lbID" set, a back buffer of the
// window's size holding BackBufferColor (with "Ck_Ycjdx" / "Ck_wtjbdx" as the full repaint
// leaves them), small caption and bottom-bar buffers, and a subclass that calls DetachWindow
// on WM_NCDESTROY. Returns the record's position.
int GiveWindowRecord(HWND hwnd);

// Registers `control` in list `list` of record `windowIndex` the way the control attach
// routines do (placeholder taken first) and sets its "Hw_lbID" / "Hw_FuID" (composite
// controls: "Kj_lbID" / "Kj_FuID"). Returns its position in the list.
template <class Entry>
int RegisterControl(int windowIndex, skin::RecordList<Entry> skin::WindowSkinRecord::*list,
                    HWND control);

// Registers `window` as a container of record `windowIndex` and sets its identity properties.
int RegisterContainer(int windowIndex, HWND window, COLORREF tintColor = 0, int tintAlpha = 255,
                      bool isGroupBox = false, bool enabled = true);

// The position property names a list's entries carry.
void SetIdentity(HWND control, const char* positionName, int position, const char* ownerName,
                 int windowIndex);

template <class Entry>
int RegisterControl(int windowIndex, skin::RecordList<Entry> skin::WindowSkinRecord::*list,
                    HWND control) {
    skin::WindowSkinRecord& record = skin::windowRecords[static_cast<size_t>(windowIndex) - 1];
    skin::RecordList<Entry>& entries = record.*list;
    const int position = entries.TakeEntry();
    entries.At(position).hwnd = control;
    constexpr bool composite = std::is_same<Entry, skin::CompositeRecord>::value;
    SetIdentity(control, composite ? "Kj_lbID" : "Hw_lbID", position,
                composite ? "Kj_FuID" : "Hw_FuID", windowIndex);
    return position;
}

}  // namespace qtest
