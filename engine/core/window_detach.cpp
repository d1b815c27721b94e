// Releasing the record of a destroyed window and renumbering the windows that remain.
#include "engine/core/window_detach.h"

#include "engine/core/engine_tables.h"
#include "engine/core/full_repaint.h"
#include "engine/core/window_lookup.h"

namespace skin {

namespace {

void SetPosition(HWND window, const char* property, int position) {
    if (window) SetPropA(window, property, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(position)));
}

template <class Entry>
void RenumberEntries(const RecordList<Entry>& list, const char* property, int windowIndex) {
    for (const Entry& entry : list) SetPosition(EntryWindow(entry), property, windowIndex);
}

void DeleteProperty(HWND window, const char* property) {
    if (window) DeleteObject(static_cast<HGDIOBJ>(GetPropA(window, property)));
}

// Selects `previous` back into `dc`, deletes what comes out and the DC; returns the object
// deleted, so that the caller does not delete it a second time.
HGDIOBJ ReleaseBufferDc(HDC dc, HGDIOBJ previous) {
    if (!dc) return nullptr;
    HGDIOBJ current = previous ? SelectObject(dc, previous) : nullptr;
    if (current) DeleteObject(current);
    DeleteDC(dc);
    return current;
}

// The tool-tip windows have no parent, so nothing else closes them. They are closed by a
// posted message: destroying one now would unhook its subclass from the owner while the
// owner's WM_NCDESTROY is still travelling down the procedure chain.
void CloseTipWindow(const graphics::ToolTip& tip) {
    HWND window = tip.GetTipWindow();
    if (window && IsWindow(window)) PostMessageA(window, WM_CLOSE, 0, 0);
}

void ReleaseRecordResources(const WindowSkinRecord& record) {
    for (const EditRecord& edit : record.edits) {
        DeleteProperty(edit.hwnd, "Kj_wtjb");
        DeleteProperty(edit.hwnd, "Kj_dxjb");
    }

    const HGDIOBJ backBitmap = GetPropA(record.hwnd, "Ck_wtjbdx");
    const HGDIOBJ deleted = ReleaseBufferDc(record.backBufferDc, GetPropA(record.hwnd, "Ck_Ycjdx"));
    if (backBitmap && backBitmap != deleted) DeleteObject(backBitmap);

    if (ReleaseBufferDc(record.captionBufferDc, record.captionBufferOldObject) !=
        record.captionBufferBitmap) {
        if (record.captionBufferBitmap) DeleteObject(record.captionBufferBitmap);
    }
    if (ReleaseBufferDc(record.bottomBarBufferDc, record.bottomBarBufferOldObject) !=
        record.bottomBarBufferBitmap) {
        if (record.bottomBarBufferBitmap) DeleteObject(record.bottomBarBufferBitmap);
    }

    CloseTipWindow(record.captionToolTip);
    for (const ButtonSkinRecord& button : record.buttons) CloseTipWindow(button.toolTip);
}

}  // namespace

void DetachWindow(HWND hwnd) {
    if (const int windowIndex = FindWindowRecord(hwnd)) {
        ReleaseRecordResources(windowRecords[static_cast<std::size_t>(windowIndex) - 1]);
        // A window must not end with properties it was given still on it.
        for (const char* name :
             {"Hw_lbID", "Hw_hProc", "Ck_Ycjdx", "Ck_wtjbdx", REGION_SIZE_PROPERTY}) {
            RemovePropA(hwnd, name);
        }
        // The record owns its texts, pictures and lists: erasing it frees them.
        windowRecords.erase(windowRecords.begin() + (windowIndex - 1));
    }
    RenumberWindowRecords();
}

void RenumberWindowRecords() {
    int j = 0;
    for (const WindowSkinRecord& record : windowRecords) {
        ++j;
        SetPosition(record.hwnd, "Hw_lbID", j);
        RenumberEntries(record.lists, "Hw_FuID", j);
        RenumberEntries(record.buttons, "Hw_FuID", j);
        RenumberEntries(record.edits, "Hw_FuID", j);
        RenumberEntries(record.combos, "Hw_FuID", j);
        RenumberEntries(record.headers, "Hw_FuID", j);
        RenumberEntries(record.spins, "Hw_FuID", j);
        RenumberEntries(record.trackBars, "Hw_FuID", j);
        RenumberEntries(record.progressBars, "Hw_FuID", j);
        RenumberEntries(record.containers, "Hw_FuID", j);
        RenumberEntries(record.compositeControls, "Kj_FuID", j);
    }
}

}  // namespace skin
