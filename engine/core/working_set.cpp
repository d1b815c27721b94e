// Working-set trimming when the program loses the activation: done in-process, on a thread.
#include <shlwapi.h>

#include "engine/core/window_messages.h"

namespace skin {

namespace {
// Runs on its own short-lived thread and touches no engine data: asking the system to trim
// the process's working set to the minimum it needs.
DWORD WINAPI TrimWorkingSet(LPVOID) {
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    return 0;
}
}  // namespace

void StartWorkingSetTrim() { SHCreateThread(TrimWorkingSet, nullptr, 0, nullptr); }

}  // namespace skin
