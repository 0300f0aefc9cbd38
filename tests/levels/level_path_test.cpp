// The level path read from stored tests: the first pass of each level is its date, failed
// tests star nothing, and the next level is the one above the highest passed.

#include "levels/level_path.h"

#include <gtest/gtest.h>

#include <random>

namespace {

StoredLevelTest test(int level, const std::string& date, bool passed) {
    return {"豆 豆", date, "09:00:00", level, 10, {passed ? 9 : 3}, passed, {}};
}

TEST(LevelPath, FirstPassDatesAndTheNextLevel) {
    const std::vector<StoredLevelTest> tests = {
        test(0, "2026-12-01", false), test(0, "2026-12-02", true), test(1, "2026-12-03", false),
        test(0, "2026-12-04", true),  test(1, "2026-12-05", true), test(42, "2026-12-06", true),
        test(-1, "2026-12-07", true)};
    const auto dates = passedDates(tests);
    EXPECT_EQ(dates[0], "2026-12-02");
    EXPECT_EQ(dates[1], "2026-12-05");
    for (std::size_t level = 2; level < dates.size(); ++level) EXPECT_EQ(dates[level], "");
    EXPECT_EQ(nextLevel(dates), 2);
    EXPECT_EQ(nextLevel(passedDates({})), 0);
    EXPECT_EQ(nextLevel(passedDates({test(9, "2026-12-09", true)})), 9);
}

TEST(LevelPath, NextLevelIsAboveEveryPassedLevelAndNeverPassedUnlessLast) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<StoredLevelTest> tests;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            tests.push_back(test(static_cast<int>(random() % kLevelCount),
                                 "2026-12-" + std::to_string(10 + i), random() % 2 == 0));
        }
        const auto dates = passedDates(tests);
        const int next = nextLevel(dates);
        ASSERT_GE(next, 0);
        ASSERT_LT(next, kLevelCount);
        for (int level = next + 1; level < kLevelCount; ++level) {
            EXPECT_EQ(dates[static_cast<std::size_t>(level)], "");
        }
        if (next < kLevelCount - 1) {
            EXPECT_EQ(dates[static_cast<std::size_t>(next)], "");
        }
        if (next > 0) {
            const bool lastPassed = next == kLevelCount - 1 && !dates.back().empty();
            EXPECT_TRUE(lastPassed || !dates[static_cast<std::size_t>(next - 1)].empty());
        }
    }
}

}  // namespace
