// A block of generated machine code in memory that may run but never be written again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

// Move-only owner of executable memory. Empty (no code) is a valid state: it is what an
// adapter request beyond its limits yields.
class ExecutableCode {
public:
    ExecutableCode() = default;
    // Copies `code` into fresh pages, then makes them execute-read only and flushes the
    // instruction cache. Stays empty if the memory cannot be had.
    explicit ExecutableCode(const std::vector<std::uint8_t>& code);
    ~ExecutableCode();
    ExecutableCode(ExecutableCode&& other) noexcept;
    ExecutableCode& operator=(ExecutableCode&& other) noexcept;
    ExecutableCode(const ExecutableCode&) = delete;
    ExecutableCode& operator=(const ExecutableCode&) = delete;

    bool empty() const { return memory_ == nullptr; }
    std::size_t size() const { return size_; }
    // Address of the first code byte, 0 when empty.
    std::uintptr_t entry() const { return reinterpret_cast<std::uintptr_t>(memory_); }
    const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(memory_); }

    void reset();

private:
    void* memory_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace skin
