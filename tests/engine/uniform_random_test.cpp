// The uniform generator: its range and period, repeatable seeds, and seeding from the clock
// that stirs the state instead of resetting it.

#include "engine/uniform_random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr std::uint32_t kStates = 1U << 24;

std::uint64_t frozenClock() { return 123456789; }

TEST(UniformRandom, VisitsEveryStateOnceBelowOneWithoutFixedPoint) {
    UniformRandom random(0);
    std::vector<bool> seen(kStates);
    float previous = -1;
    for (std::uint32_t i = 0; i < kStates; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        ASSERT_NE(value, previous) << "a state that steps to itself";
        const auto state = static_cast<std::uint32_t>(value * static_cast<float>(kStates));
        ASSERT_FALSE(seen[state]) << "state " << state << " came back after " << i << " steps";
        seen[state] = true;
        previous = value;
    }
}

TEST(UniformRandom, SameSeedRepeatsAndOtherSeedsDiffer) {
    UniformRandom first(7), again(7), other(8);
    int differences = 0;
    for (int i = 0; i < 100; ++i) {
        const float value = first.next();
        EXPECT_EQ(value, again.next());
        differences += value != other.next();
    }
    EXPECT_GT(differences, 90);
}

TEST(UniformRandom, SeedingWithTheSameClockReadingNeverRepeatsTheDraws) {
    UniformRandom random(1, &frozenClock);
    std::set<float> drawn;
    for (int i = 0; i < 10000; ++i) {
        random.randomize();
        drawn.insert(random.next());
    }
    EXPECT_GT(drawn.size(), 9900u) << "seeding from the clock reset the state";
}

TEST(UniformRandom, SeedingKeepsWhatTheStateHeld) {
    UniformRandom first(1, &frozenClock), second(2, &frozenClock);
    first.randomize();
    second.randomize();
    EXPECT_NE(first.next(), second.next()) << "the clock reading replaced the state";
}

}  // namespace
