// Executable memory for generated callback adapters: written once, then execute-read only.
#include "engine/core/executable_code.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace skin {

ExecutableCode::ExecutableCode(const std::vector<std::uint8_t>& code) {
    if (code.empty()) return;
    void* memory = VirtualAlloc(nullptr, code.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!memory) return;
    std::memcpy(memory, code.data(), code.size());
    // No page is ever writable and executable at once.
    DWORD previous = 0;
    if (!VirtualProtect(memory, code.size(), PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(memory, 0, MEM_RELEASE);
        return;
    }
    FlushInstructionCache(GetCurrentProcess(), memory, code.size());
    memory_ = memory;
    size_ = code.size();
}

ExecutableCode::~ExecutableCode() { reset(); }

ExecutableCode::ExecutableCode(ExecutableCode&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ExecutableCode& ExecutableCode::operator=(ExecutableCode&& other) noexcept {
    if (this != &other) {
        reset();
        memory_ = std::exchange(other.memory_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void ExecutableCode::reset() {
    if (memory_) VirtualFree(memory_, 0, MEM_RELEASE);
    memory_ = nullptr;
    size_ = 0;
}

}  // namespace skin
