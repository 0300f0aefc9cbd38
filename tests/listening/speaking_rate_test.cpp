// The voice's rate for each pace: quicker paces speak faster, always within the clear rates.

#include "listening/speaking_rate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(SpeakingRate, RunsFromTheQuickestRateToTheSlowestAcrossTheOfferedPaces) {
    EXPECT_EQ(speakingRate(kQuickestSecondsPerNumber), kQuickestWordsPerMinute);
    EXPECT_EQ(speakingRate(kSlowestSecondsPerNumber), kSlowestWordsPerMinute);
    EXPECT_EQ(speakingRate(1.6), 190);
    EXPECT_GT(speakingRate(0.5), speakingRate(3.0));
    int previous = speakingRate(kQuickestSecondsPerNumber);
    for (double pace = 0.2; pace <= 3.0; pace += 0.01) {
        const int rate = speakingRate(pace);
        EXPECT_LE(rate, previous) << pace;
        EXPECT_GE(rate, kSlowestWordsPerMinute) << pace;
        EXPECT_LE(rate, kQuickestWordsPerMinute) << pace;
        previous = rate;
    }
}

TEST(SpeakingRate, TakesPacesOutsideTheOfferedOnesAsTheNearest) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(speakingRate(0.0), kQuickestWordsPerMinute);
    EXPECT_EQ(speakingRate(-1.0), kQuickestWordsPerMinute);
    EXPECT_EQ(speakingRate(-infinity), kQuickestWordsPerMinute);
    EXPECT_EQ(speakingRate(10.0), kSlowestWordsPerMinute);
    EXPECT_EQ(speakingRate(infinity), kSlowestWordsPerMinute);
    EXPECT_EQ(speakingRate(std::nan("")), kSlowestWordsPerMinute);
}

}  // namespace
