// The engine tables: one record per attached window and the registered off-screen surfaces.
#pragma once
#include <windows.h>

#include <vector>

#include "engine/core/window_record.h"

namespace skin {

// An off-screen surface made by the painting code: the DC, the bitmap selected into it and
// the object the DC held before.
struct MemoryDcEntry {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previousObject;
};

// Window records by 1-based position; a window finds its own through "Hw_lbID".
extern std::vector<WindowSkinRecord> windowRecords;
extern std::vector<MemoryDcEntry> memoryDcTable;

// End-of-program release: frees every record with what it owns, the surface entries (their
// DCs and bitmaps are not deleted: their windows are gone by now) and the shared background
// picture. No window is touched.
void ReleaseEngineTables();

}  // namespace skin
