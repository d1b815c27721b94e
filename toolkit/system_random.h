// The real random source: a generator seeded from the clock and the process.
#pragma once
#include <random>

#include "toolkit/services.h"

namespace toolkit {

class SystemRandom : public RandomSource {
public:
    SystemRandom();
    int Next(std::optional<int> low = std::nullopt, std::optional<int> high = std::nullopt) override;

private:
    std::mt19937 generator_;
};

}  // namespace toolkit
