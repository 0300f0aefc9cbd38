#include "engine/uniform_random.h"

#include <chrono>

namespace {

// The state is 24 bits wide: every value of it is exactly representable as a float, and the
// step below runs through all 2^24 states before repeating, so no state is a fixed point.
constexpr std::uint32_t kStateBits = 24;
constexpr std::uint32_t kStateMask = (1U << kStateBits) - 1;
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;

// Folds a 64-bit value into 24 bits so that every bit of it counts.
std::uint32_t fold24(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xFF51AFD7ED558CCDULL;
    value ^= value >> 33;
    return static_cast<std::uint32_t>(value ^ (value >> 24) ^ (value >> 48)) & kStateMask;
}

}  // namespace

UniformRandom::UniformRandom(std::uint32_t seed) : state_(fold24(seed)) {}

UniformRandom::UniformRandom(std::uint32_t seed, TickSource ticks)
    : state_(fold24(seed)), ticks_(ticks) {}

std::uint64_t UniformRandom::steadyClockTicks() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

float UniformRandom::next() {
    state_ = (state_ * kMultiplier + kIncrement) & kStateMask;
    return static_cast<float>(state_) / static_cast<float>(kStateMask + 1);
}

void UniformRandom::randomize() {
    // The reading and the number of this seeding are stirred into the current state, so even
    // seedings that read the same clock value lead on to different numbers.
    constexpr std::uint64_t kSeedingStride = 0x9E3779B97F4A7C15ULL;
    state_ = (state_ ^ fold24(ticks_() ^ (++seedings_ * kSeedingStride))) & kStateMask;
    next();
}
