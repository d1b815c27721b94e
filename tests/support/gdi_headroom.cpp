// The GDI handle headroom: how many more GDI objects the process could still create.
#include "tests/support/gdi_headroom.h"

#include <windows.h>

#include <vector>

namespace qtest {

int MeasureGdiHeadroom() {
    // Above any per-process quota (10,000 on Windows, 16,384-ish under Wine): a guard against
    // a system that never refuses.
    constexpr int LIMIT = 200000;
    std::vector<HRGN> regions;
    regions.reserve(20000);
    while (static_cast<int>(regions.size()) < LIMIT) {
        HRGN region = CreateRectRgn(0, 0, 1, 1);
        if (!region) break;
        regions.push_back(region);
    }
    for (HRGN region : regions) DeleteObject(region);
    return static_cast<int>(regions.size());
}

}  // namespace qtest
