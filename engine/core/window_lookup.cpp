// Finding window records and containers: by window, by ancestry and by position.
#include "engine/core/window_lookup.h"

#include "engine/core/engine_tables.h"

namespace skin {

int FindWindowRecord(HWND hwnd) {
    if (!hwnd) return 0;
    for (std::size_t i = 0; i < windowRecords.size(); ++i) {
        if (windowRecords[i].hwnd == hwnd) return static_cast<int>(i) + 1;
    }
    return 0;
}

WindowSkinRecord* RecordAt(int windowIndex) {
    if (windowIndex < 1 || static_cast<std::size_t>(windowIndex) > windowRecords.size()) {
        return nullptr;
    }
    return &windowRecords[static_cast<std::size_t>(windowIndex) - 1];
}

int FindOwningWindow(HWND hwnd) {
    for (HWND w = GetParent(hwnd); w; w = GetParent(w)) {
        if (const int index = FindWindowRecord(w)) return index;
    }
    return 0;
}

int FindContainerRecord(int windowIndex, HWND hwnd) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !hwnd) return 0;
    int position = 0;
    for (const ContainerRecord& container : record->containers) {
        ++position;
        if (container.window == hwnd) return position;
    }
    return 0;
}

int FindEnclosingContainer(int windowIndex, HWND hwnd, HWND stop) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    for (HWND w = GetParent(hwnd); w && w != stop; w = GetParent(w)) {
        const int k = FindContainerRecord(windowIndex, w);
        if (k >= 1 && record->containers.At(k).enabled != 0) return k;
    }
    return 0;
}

}  // namespace skin
