// Registered memory DCs: recording, releasing and copying the surfaces background captures make.
#include "engine/core/memory_dc.h"

#include <algorithm>

#include "engine/core/engine_tables.h"
#include "engine/core/gdi_guards.h"

namespace skin {

HBITMAP CreateSurfaceBitmap(int width, int height, void** bits) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &pixels, nullptr, 0);
}

namespace {
std::vector<MemoryDcEntry>::iterator FindEntry(HDC dc) {
    return std::find_if(memoryDcTable.begin(), memoryDcTable.end(),
                        [dc](const MemoryDcEntry& entry) { return entry.dc == dc; });
}
}  // namespace

void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
    auto entry = FindEntry(dc);
    if (entry != memoryDcTable.end()) {
        entry->bitmap = bitmap;
        entry->previousObject = previous;
    } else {
        memoryDcTable.push_back({dc, bitmap, previous});
    }
}

int ReleaseMemoryDc(HDC dc) {
    if (!dc) return 0;
    auto entry = FindEntry(dc);
    if (entry == memoryDcTable.end()) return 0;
    // What comes out is the surface's bitmap.
    if (HGDIOBJ selected = SelectObject(dc, entry->previousObject)) DeleteObject(selected);
    DeleteDC(dc);
    memoryDcTable.erase(entry);
    return 1;
}

HBITMAP CopyDcToBitmap(HDC dc, int width, int height) {
    if (!dc) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    {
        DcGuard copyDc(CreateCompatibleDC(nullptr));
        SelectGuard selection(copyDc.get(), bitmap);
        BitBlt(copyDc.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    }
    ReleaseMemoryDc(dc);
    return bitmap;
}

}  // namespace skin
