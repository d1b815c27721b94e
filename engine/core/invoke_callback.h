// Calling a routine given only by its address, with a list of 32-bit arguments.
#pragma once
#include <windows.h>

#include <vector>

namespace skin {

// Calls the routine at address `routine` with `arguments` (the first one first) and returns
// its result. `callerCleans` says who removes the arguments (non-zero: the caller, as for
// cdecl; zero: the routine, as for stdcall); the stack is restored either way, so a wrong
// claim does no harm. A routine address of 0 is not called and gives 0.
int InvokeCallback(INT_PTR routine, const std::vector<int>& arguments, int callerCleans);

}  // namespace skin
