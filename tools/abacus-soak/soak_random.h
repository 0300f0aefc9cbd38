#pragma once
// The soak's own random numbers, apart from the trainer's: the same seed gives the same
// events on every machine and with every standard library.

#include <cstddef>
#include <cstdint>

class SoakRandom {
  public:
    explicit SoakRandom(std::uint64_t seed) : state_(seed) {}

    // The next 64 random bits.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to `count` - 1; 0 when `count` is 0.
    std::uint64_t below(std::uint64_t count) { return count == 0 ? 0 : next() % count; }

    // True `perMille` times in a thousand.
    bool chance(int perMille) { return below(1000) < static_cast<std::uint64_t>(perMille); }

    // One of the items of an array, each as likely as the others.
    template <typename Item, std::size_t Count>
    const Item& pick(const Item (&items)[Count]) {
        return items[below(Count)];
    }

  private:
    std::uint64_t state_;
};
