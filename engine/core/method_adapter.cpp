// Machine code of the callback adapters.
#include "engine/core/method_adapter.h"

#include <vector>

namespace skin {
namespace {

class CodeWriter {
public:
    void Bytes(std::initializer_list<std::uint8_t> bytes) { code_.insert(code_.end(), bytes); }
    void Dword(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) code_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void Word(std::uint16_t value) {
        code_.push_back(static_cast<std::uint8_t>(value));
        code_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    const std::vector<std::uint8_t>& code() const { return code_; }

private:
    std::vector<std::uint8_t> code_;
};

}  // namespace

ExecutableCode BuildMethodAdapter(const void* instance, std::uintptr_t entry, int argumentCount,
                                  bool callerRemovesArguments) {
    if (entry == 0) return {};
    const long long argumentBytes = static_cast<long long>(argumentCount) * 4;
    if (argumentBytes < 0 || argumentBytes > MAX_ADAPTER_ARGUMENT_BYTES) return {};
    const auto returnBytes = static_cast<std::uint16_t>(callerRemovesArguments ? 0 : argumentBytes);

    // Frame layout below EBP: -4 instance, -8 EBX, -12 ESI, -16 EDI, -20 FPU control word.
    CodeWriter w;
    w.Bytes({0x55});                                      // push ebp
    w.Bytes({0x89, 0xE5});                                // mov ebp, esp
    w.Bytes({0x68}); w.Dword(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(instance)));
                                                          // push instance
    w.Bytes({0x53, 0x56, 0x57});                          // push ebx; push esi; push edi
    w.Bytes({0x83, 0xEC, 0x04});                          // sub esp, 4
    w.Bytes({0xD9, 0x3C, 0x24});                          // fnstcw [esp]
    w.Bytes({0xDB, 0xE3});                                // fninit
    w.Bytes({0xFC});                                      // cld
    if (argumentBytes > 0) {
        w.Bytes({0x81, 0xEC}); w.Dword(static_cast<std::uint32_t>(argumentBytes));
                                                          // sub esp, argumentBytes
        w.Bytes({0x8D, 0x75, 0x08});                      // lea esi, [ebp+8]
        w.Bytes({0x89, 0xE7});                            // mov edi, esp
        w.Bytes({0xB9}); w.Dword(static_cast<std::uint32_t>(argumentCount));
                                                          // mov ecx, argumentCount
        w.Bytes({0xF3, 0xA5});                            // rep movsd
    }
    w.Bytes({0x8B, 0x4D, 0xFC});                          // mov ecx, [ebp-4]
    w.Bytes({0xB8}); w.Dword(static_cast<std::uint32_t>(entry));
                                                          // mov eax, entry
    w.Bytes({0xFF, 0xD0});                                // call eax
    w.Bytes({0xD9, 0x6D, 0xEC});                          // fldcw [ebp-20]
    // The operation may or may not have removed its arguments; the frame puts ESP right.
    w.Bytes({0x8D, 0x65, 0xF0});                          // lea esp, [ebp-16]
    w.Bytes({0x5F, 0x5E, 0x5B});                          // pop edi; pop esi; pop ebx
    w.Bytes({0xC9});                                      // leave
    if (returnBytes > 0) {
        w.Bytes({0xC2}); w.Word(returnBytes);             // ret returnBytes
    } else {
        w.Bytes({0xC3});                                  // ret
    }
    return ExecutableCode(w.code());
}

}  // namespace skin
