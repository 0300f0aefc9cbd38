#pragma once
// A learner's path through the ten levels, read from the level tests the history keeps.

#include <array>
#include <string>
#include <vector>

#include "levels/level_table.h"
#include "model/history_records.h"

// For each level, 0 = 十级 .. 9 = 一级, the date of the first passed test; empty when the
// level was never passed. The tests are given in the order stored.
std::array<std::string, kLevelCount> passedDates(const std::vector<StoredLevelTest>& tests);

// The level to try next: the one above the highest level passed, 十级 when none is, and 一级
// once 一级 is passed.
int nextLevel(const std::array<std::string, kLevelCount>& passed);
