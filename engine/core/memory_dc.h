// Registered memory DCs: recording, releasing and copying the surfaces background captures make.
#pragma once
#include <windows.h>

namespace skin {

// A blank (transparent black) top-down 32-bit DIB section, the format every engine surface
// uses; `bits` receives its pixels when given. Null for an empty size.
HBITMAP CreateSurfaceBitmap(int width, int height, void** bits = nullptr);

// Adds {dc, bitmap, previous} to memoryDcTable, or replaces the bitmap and previous object of
// the entry that already holds `dc`.
void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous);

// Undoes a registered memory DC: selects the previous object back, deletes the bitmap that
// comes out and the DC, and removes the entry. Returns 1, or 0 (touching nothing) for a null
// DC or one without an entry, so that releasing twice is harmless.
int ReleaseMemoryDc(HDC dc);

// Copies the top-left width x height of the registered memory DC `dc` into a new bitmap of
// its format, releases `dc` and returns the bitmap (the caller deletes it). Null when `dc`
// is null.
HBITMAP CopyDcToBitmap(HDC dc, int width, int height);

}  // namespace skin
