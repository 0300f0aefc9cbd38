// The texts a listening chain is read as: a number, signed terms, then "等于".

#include "listening/chain_speech.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

TEST(ChainSpeech, ReadsTheFirstTermThenEachSignedTermThenEquals) {
    const std::vector<std::int32_t> chain{325, -67, 12, 0, -1408};
    const std::vector<SpokenText> expected{{"三百二十五", "san1 bai3 er4 shi2 wu3"},
                                           {"减六十七", "jian3 liu4 shi2 qi1"},
                                           {"加十二", "jia1 shi2 er4"},
                                           {"加零", "jia1 ling2"},
                                           {"减一千四百零八", "jian3 yi4 qian1 si4 bai3 ling2 ba1"},
                                           {"等于", "deng3 yu2"}};
    EXPECT_EQ(chainSpeech(chain), expected);
}

TEST(ChainSpeech, ReadsNothingForNoTermsAndOnlyTheNumberForOne) {
    EXPECT_TRUE(chainSpeech({}).empty());
    const std::vector<std::int32_t> single{20'000};
    const std::vector<SpokenText> expected{{"两万", "liang3 wan4"}, {"等于", "deng3 yu2"}};
    EXPECT_EQ(chainSpeech(single), expected);
}

TEST(ChainSpeech, ReadsTheSignWordAloneForASizeWithoutReading) {
    const std::vector<std::int32_t> chain{5, -100'000'000,
                                          std::numeric_limits<std::int32_t>::min()};
    const std::vector<SpokenText> spoken = chainSpeech(chain);
    ASSERT_EQ(spoken.size(), 4u);
    EXPECT_EQ(spoken[1], (SpokenText{"减", "jian3"}));
    EXPECT_EQ(spoken[2], (SpokenText{"减", "jian3"}));
}

}  // namespace
