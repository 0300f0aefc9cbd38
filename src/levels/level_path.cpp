#include "levels/level_path.h"

std::array<std::string, kLevelCount> passedDates(const std::vector<StoredLevelTest>& tests) {
    std::array<std::string, kLevelCount> dates;
    for (const StoredLevelTest& test : tests) {
        if (!test.passed || test.level < 0 || test.level >= kLevelCount) continue;
        std::string& date = dates[static_cast<std::size_t>(test.level)];
        if (date.empty()) date = test.date;
    }
    return dates;
}

int nextLevel(const std::array<std::string, kLevelCount>& passed) {
    for (int level = kLevelCount - 1; level >= 0; --level) {
        if (!passed[static_cast<std::size_t>(level)].empty()) {
            return level + 1 < kLevelCount ? level + 1 : level;
        }
    }
    return 0;
}
