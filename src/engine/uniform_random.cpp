#include "engine/uniform_random.h"

#include <chrono>

namespace {

constexpr std::uint32_t kStateMask = 0xFFFFFF;  // the generator keeps 24 bits
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

float UniformRandom::next() {
    state_ = (state_ * kMultiplier + kIncrement) & kStateMask;
    return static_cast<float>(state_) / static_cast<float>(kStateMask + 1);
}

void UniformRandom::randomize() {
    // Mixes a nanosecond clock reading into the state rather than replacing it, so that two
    // seedings within one tick of a coarse clock still lead to different numbers.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    state_ = (state_ ^ fold24(static_cast<std::uint64_t>(ticks))) & kStateMask;
    next();
}
