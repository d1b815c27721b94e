// A stdcall caller written in assembly, to see what a callback adapter preserves.
#pragma once
#include <cstdint>

struct ProbeResult {
    std::uint32_t result;
    std::uint32_t ebx, esi, edi, ebp;
    std::int32_t bytesRemoved;      // how far ESP moved up during the call
    std::uint32_t fpuControlWord;   // the control word after the call
};

extern "C" {
// The callee-saved registers hold 0x11111111, 0x22222222, 0x33333333, 0x44444444 and the FPU
// control word probeControlWord when `code` is called.
void ProbeCall(const void* code, const std::uint32_t* args, int count, ProbeResult* out);
extern std::uint16_t probeControlWord;
}
