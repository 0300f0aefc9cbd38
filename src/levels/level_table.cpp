#include "levels/level_table.h"

#include <algorithm>

namespace {

// The published grading table, in whole numbers only.
const std::array<LevelSpec, kLevelCount> kLevels = {{
    {"十级", 3, 3, {0, 0, 0, 3}, 1, {}},
    {"九级", 4, 5, {0, 0, 1, 3}, 1, {}},
    {"八级", 5, 7, {0, 0, 2, 3}, 2, {}},
    {"七级", 6, 10, {0, 1, 2, 3}, 2, {}},
    {"六级", 7, 12, {0, 1, 3, 3}, 3, {{2, 1, 2}, {1, 2, 3}, {1, 1, 5}}},
    {"五级", 7, 14, {0, 2, 3, 2}, 3, {{2, 2, 2}, {2, 1, 4}, {1, 2, 4}}},
    {"四级", 8, 18, {1, 2, 3, 2}, 3, {{2, 2, 6}, {2, 1, 2}, {1, 2, 2}}},
    {"三级", 8, 20, {2, 2, 2, 2}, 3, {{3, 1, 3}, {1, 3, 3}, {2, 2, 4}}},
    {"二级", 10, 25, {2, 3, 3, 2}, 3, {{3, 2, 2}, {2, 3, 2}, {3, 1, 1}, {1, 3, 1}, {2, 2, 4}}},
    {"一级", 10, 30, {3, 4, 3, 0}, 3, {{3, 2, 4}, {2, 3, 4}, {2, 2, 2}}},
}};

}  // namespace

const LevelSpec& levelSpec(int level) { return kLevels.at(static_cast<std::size_t>(level)); }

int levelItemCount(int level) { return levelSpec(level).multiplication.empty() ? 1 : 2; }

bool levelPassed(int level, const std::vector<int>& rightPerItem) {
    const auto items = static_cast<std::size_t>(levelItemCount(level));
    return rightPerItem.size() >= items &&
           std::all_of(rightPerItem.begin(), rightPerItem.begin() + static_cast<long>(items),
                       [](int right) { return right >= kPassMark; });
}
