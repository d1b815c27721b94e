// RCDATA resources of the running executable, copied into byte buffers.
#include "app/embedded_data.h"

#include <windows.h>

namespace app {

namespace {
graphics::Bytes LoadData(const char* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return graphics::Bytes(bytes, bytes + SizeofResource(module, found));
}
}  // namespace

const graphics::Bytes& STARTUP_CLIP() {
    static const graphics::Bytes data = LoadData("STARTUP_CLIP");
    return data;
}

const graphics::Bytes& CLICK_CLIP() {
    static const graphics::Bytes data = LoadData("CLICK_CLIP");
    return data;
}

const graphics::Bytes& BACKGROUND_PICTURE() {
    static const graphics::Bytes data = LoadData("BACKGROUND_PICTURE");
    return data;
}

const graphics::Bytes& BADGE_PICTURE() {
    static const graphics::Bytes data = LoadData("BADGE_PICTURE");
    return data;
}

}  // namespace app
