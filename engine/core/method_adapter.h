// Callback adapters: generated x86 code that lets a stdcall platform callback reach one
// virtual operation of one engine instance.
#pragma once
#include <cstdint>
#include <cstring>

#include "engine/core/executable_code.h"

namespace skin {

// Largest argument block an adapter copies (256 arguments of 4 bytes).
constexpr int MAX_ADAPTER_ARGUMENT_BYTES = 1024;

// Emits the adapter for `instance` and the operation at `entry` taking `argumentCount`
// 32-bit arguments. The code keeps a frame holding the instance, saves EBX, ESI, EDI and the
// FPU control word, resets the FPU, copies the arguments, calls the operation with the
// instance in ECX (the C++ member calling convention of this compiler), restores everything
// and returns with `ret 4*count`, or plain `ret` when the caller removes the arguments.
// Empty when `entry` is 0 or the argument bytes are negative or above 1024.
ExecutableCode BuildMethodAdapter(const void* instance, std::uintptr_t entry, int argumentCount,
                                  bool callerRemovesArguments);

// Entry address of a member operation for `instance`: the slot of its table of virtual
// operations for a virtual one, the function itself for a plain one, 0 for a null pointer.
// `adjustedInstance` receives the instance address the operation expects. The pointer layout
// read here is the one of the Itanium C++ ABI that GCC uses on Windows too.
template <class Method>
std::uintptr_t MemberEntry(const void* instance, Method method, const void** adjustedInstance) {
    static_assert(sizeof(Method) == 2 * sizeof(std::intptr_t), "unexpected member pointer layout");
    std::intptr_t parts[2];
    std::memcpy(parts, &method, sizeof parts);
    const char* self = static_cast<const char*>(instance) + parts[1];
    *adjustedInstance = self;
    if ((parts[0] & 1) == 0) return static_cast<std::uintptr_t>(parts[0]);
    const auto* table = *reinterpret_cast<const std::uintptr_t* const*>(self);
    return table[(parts[0] - 1) / static_cast<std::intptr_t>(sizeof(std::uintptr_t))];
}

}  // namespace skin
