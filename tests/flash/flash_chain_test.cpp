#include "flash/flash_chain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/uniform_random.h"

namespace {

// How many decimal digits a positive number has.
int digitCount(std::int32_t value) { return static_cast<int>(std::to_string(value).size()); }

}  // namespace

TEST(FlashChain, EveryChainKeepsItsDigitsNeighboursRunningTotalAndMinus) {
    const int kTermChoices[] = {3, 4, 5, 6, 7, 8, 10, 12, 15};
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        UniformRandom random(seed);
        for (int digits = 1; digits <= 4; ++digits) {
            for (const int terms : kTermChoices) {
                for (const bool mixed : {false, true}) {
                    const auto chain = drawFlashChain(random, digits, terms, mixed);
                    ASSERT_EQ(static_cast<int>(chain.size()), terms);
                    ASSERT_GT(chain.front(), 0) << "the first term is always added";
                    std::int64_t total = 0;
                    bool anyTakenAway = false;
                    for (std::size_t i = 0; i < chain.size(); ++i) {
                        const std::int32_t size = chain[i] < 0 ? -chain[i] : chain[i];
                        ASSERT_EQ(digitCount(size), digits) << chainText(chain);
                        if (i > 0) {
                            ASSERT_NE(size, std::abs(chain[i - 1])) << chainText(chain);
                        }
                        total += chain[i];
                        ASSERT_GE(total, 0) << chainText(chain);
                        anyTakenAway = anyTakenAway || chain[i] < 0;
                    }
                    ASSERT_EQ(anyTakenAway, mixed) << chainText(chain);
                    ASSERT_EQ(chainTotal(chain), total);
                }
            }
        }
    }
}

TEST(FlashChain, SameSeedSameChainAndTakenAwayTermsAreSpreadOut) {
    UniformRandom first(7);
    UniformRandom second(7);
    EXPECT_EQ(drawFlashChain(first, 3, 10, true), drawFlashChain(second, 3, 10, true));
    // Over many chains every later position is sometimes taken away.
    std::vector<int> takenAway(5, 0);
    UniformRandom random(11);
    for (int i = 0; i < 2000; ++i) {
        const auto chain = drawFlashChain(random, 2, 5, true);
        for (std::size_t p = 0; p < chain.size(); ++p) takenAway[p] += chain[p] < 0;
    }
    EXPECT_EQ(takenAway[0], 0);
    for (std::size_t p = 1; p < takenAway.size(); ++p) EXPECT_GT(takenAway[p], 100) << p;
}

TEST(FlashChain, TextAndSpans) {
    EXPECT_EQ(chainText({325, 67, -12}), "325+67-12");
    EXPECT_EQ(chainTotal({325, 67, -12}), 380);
    for (const int period : {200, 300, 400, 500, 600, 800, 1000, 1500, 2000, 3000}) {
        const FlashSpans spans = flashSpans(period);
        EXPECT_EQ(spans.shownMilliseconds + spans.blankMilliseconds, period);
        EXPECT_EQ(spans.shownMilliseconds, period * 4 / 5);
    }
}
