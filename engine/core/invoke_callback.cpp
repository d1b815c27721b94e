// Calling a routine given only by its address, with a list of 32-bit arguments.
#include "engine/core/invoke_callback.h"

namespace skin {

int InvokeCallback(INT_PTR routine, const std::vector<int>& arguments, int callerCleans) {
    (void)callerCleans;  // the saved stack pointer undoes the pushes for both conventions
    if (routine == 0) return 0;
    int result = 0;
    int count = static_cast<int>(arguments.size());
    const int* values = arguments.data();
    // Push the arguments from the last to the first, call, and put the stack pointer back
    // from ESI (which every Win32 calling convention preserves).
    __asm__ __volatile__(
        "movl %%esp, %%esi\n\t"
        "1:\n\t"
        "testl %%ecx, %%ecx\n\t"
        "jz 2f\n\t"
        "decl %%ecx\n\t"
        "pushl (%%edx,%%ecx,4)\n\t"
        "jmp 1b\n\t"
        "2:\n\t"
        "call *%%eax\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(result), "+c"(count), "+d"(values)
        : "0"(routine)
        : "esi", "memory", "cc");
    return result;
}

}  // namespace skin
