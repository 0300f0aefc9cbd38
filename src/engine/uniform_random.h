#pragma once
// The program's random numbers: one uniform single-precision generator in [0, 1).

#include <cstdint>

#include "ui/services.h"

class UniformRandom : public RandomSource {
public:
    // Starts from the generator's fixed initial state.
    UniformRandom() = default;
    // Starts from a given seed, for repeatable runs.
    explicit UniformRandom(std::uint32_t seed);

    float next() override;
    void randomize() override;

private:
    std::uint32_t state_ = 0x50000;
};
