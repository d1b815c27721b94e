// RegisterHotKey with process-unique ids in the application range 1..0xBFFF.
#include "toolkit/system_hot_keys.h"

#include "toolkit/hot_key_routes.h"

namespace toolkit {

namespace {
constexpr int LAST_APPLICATION_ID = 0xBFFF;

int FreeId() {
    static int next = 1;
    for (int tries = 0; tries < LAST_APPLICATION_ID; ++tries) {
        const int id = next;
        next = next == LAST_APPLICATION_ID ? 1 : next + 1;
        if (!HotKeyIdInUse(id)) return id;
    }
    return 0;
}
}  // namespace

int SystemHotKeys::Register(HWND owner, HWND receiver, UINT modifiers, UINT virtualKey) {
    if (!owner || !receiver) return 0;
    const int id = FreeId();
    // MOD_NOREPEAT: a key held down acts once, not at the keyboard's repeat rate.
    if (id == 0 || !RegisterHotKey(owner, id, modifiers | MOD_NOREPEAT, virtualKey)) return 0;
    AddHotKeyRoute(owner, id, receiver);
    return id;
}

}  // namespace toolkit
