// A choice among k items, Int(Rnd × k + 1): its edges and its fairness.

#include "engine/random_choice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/uniform_random.h"
#include "trainer_with_random.h"

namespace {

TEST(RandomChoice, SpansOneToKEvenAtTheLargestRndBelowOne) {
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    for (int k = 1; k <= 7; ++k) {
        ScriptedRandom random;
        random.script({0.0f, largestBelowOne, 0.5f});
        EXPECT_EQ(randomChoice(random, k), 1);
        EXPECT_EQ(randomChoice(random, k), k);
        EXPECT_EQ(randomChoice(random, k), k / 2 + 1);
    }
}

TEST(RandomChoice, GivesEveryItemAnEqualShare) {
    UniformRandom random(99);
    for (int k : {2, 3, 4}) {
        constexpr int kDraws = 60000;
        std::vector<int> counts(k + 1);
        for (int i = 0; i < kDraws; ++i) ++counts.at(randomChoice(random, k));
        for (int item = 1; item <= k; ++item) {
            EXPECT_NEAR(counts[item], kDraws / k, kDraws / k / 20)
                << "item " << item << " of " << k;
        }
    }
}

}  // namespace
