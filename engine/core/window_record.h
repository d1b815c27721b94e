// The engine's state for one attached top-level window.
#pragma once
#include <windows.h>

namespace skin {

struct WindowSkinRecord {
    HWND hwnd = nullptr;  // the attached window
};

}  // namespace skin
