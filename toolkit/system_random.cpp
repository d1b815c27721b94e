// Uniform integers: 0..32767 without bounds, else within the bounds (in either order).
#include "toolkit/system_random.h"

#include <utility>

namespace toolkit {

SystemRandom::SystemRandom() : generator_(GetTickCount() ^ (GetCurrentProcessId() << 16)) {}

int SystemRandom::Next(std::optional<int> low, std::optional<int> high) {
    int from = 0, to = 32767;
    if (low && high) {
        from = *low;
        to = *high;
        if (from > to) std::swap(from, to);
    }
    return std::uniform_int_distribution<int>(from, to)(generator_);
}

}  // namespace toolkit
