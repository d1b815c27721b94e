// Small questions about an attached window: its record through its property and its text.
#include "engine/core/window_queries.h"

#include <algorithm>

#include "engine/core/window_lookup.h"

namespace skin {

int IndexFromProperty(HWND hwnd) {
    const int index = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, "Hw_lbID")));
    const WindowSkinRecord* record = RecordAt(index);
    return record && record->hwnd == hwnd ? index : 0;
}

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace skin
