// Finding window records and containers: by window, by ancestry and by position.
#pragma once
#include <windows.h>

#include "engine/core/window_record.h"

namespace skin {

// 1-based position in windowRecords of the record of `hwnd`, 0 when it has none.
int FindWindowRecord(HWND hwnd);

// The record at 1-based `windowIndex`, null when there is none (for positions read from
// window properties).
WindowSkinRecord* RecordAt(int windowIndex);

// Position of the record of the nearest ancestor of `hwnd` (not `hwnd` itself) that is an
// attached window; 0 when there is none.
int FindOwningWindow(HWND hwnd);

// 1-based position of `hwnd` in the containers of record `windowIndex`, 0 when none.
int FindContainerRecord(int windowIndex, HWND hwnd);

// The nearest enabled container of record `windowIndex` among the ancestors of `hwnd` that
// lie below `stop`; 0 when the walk reaches `stop` or the desktop first.
int FindEnclosingContainer(int windowIndex, HWND hwnd, HWND stop);

}  // namespace skin
