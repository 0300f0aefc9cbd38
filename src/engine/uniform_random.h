#pragma once
// The program's random numbers: one uniform single-precision generator in [0, 1).

#include <cstdint>

#include "model/services.h"

class UniformRandom : public RandomSource {
  public:
    // Reads a high-resolution clock as a count of ticks.
    using TickSource = std::uint64_t (*)();

    // Starts from the generator's fixed initial state.
    UniformRandom() = default;
    // Starts from a given seed, for repeatable runs.
    explicit UniformRandom(std::uint32_t seed);
    // Starts from a given seed and seeds from `ticks` instead of the steady clock.
    UniformRandom(std::uint32_t seed, TickSource ticks);

    // The next number: the 24-bit state divided by 2^24, so exactly 1 never comes out.
    float next() override;
    // Mixes a clock reading into the state; never resets it, so draws never repeat.
    void randomize() override;

  private:
    static std::uint64_t steadyClockTicks();

    std::uint32_t state_ = 0x50000;
    TickSource ticks_ = &steadyClockTicks;
    std::uint64_t seedings_ = 0;  // seedings so far, stirred in with each clock reading
};
