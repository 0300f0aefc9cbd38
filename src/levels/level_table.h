#pragma once
// The ten levels of the graded abacus test, from 十级 up to 一级: how many rows and digits
// each addition question has, how many rows are subtracted, and the multiplication shapes.

#include <array>
#include <string>
#include <vector>

// The levels, numbered 0 (十级) to 9 (一级).
inline constexpr int kLevelCount = 10;
// Questions in every item of a level.
inline constexpr int kQuestionsPerItem = 10;
// The first questions of the addition item, which have no subtracted row.
inline constexpr int kAdditionOnlyQuestions = 6;
// The longest term of an addition question, in digits.
inline constexpr int kLongestTerm = 4;
// Right answers an item needs for the level to pass.
inline constexpr int kPassMark = 8;

// One kind of multiplication on a level's paper: factors of `firstDigits` and `secondDigits`
// digits, asked `count` times.
struct MultiplicationShape {
    int firstDigits = 1;
    int secondDigits = 1;
    int count = 0;
};

// One row of the level table.
struct LevelSpec {
    std::string caption;
    int rows = 0;
    int digitsPerQuestion = 0;
    // Terms with 4, 3, 2 and 1 digits, in that order.
    std::array<int, kLongestTerm> termsByDigits{};
    // Subtracted rows in each of the mixed questions.
    int subtractedRows = 0;
    // Empty below 六级, whose papers have no multiplication item.
    std::vector<MultiplicationShape> multiplication;
};

// The table row of `level` (0 = 十级 .. 9 = 一级); throws std::out_of_range for any other.
const LevelSpec& levelSpec(int level);

// The items of a level's paper: 1 (加减算) up to 七级, 2 (加减算 and 乘算) from 六级.
int levelItemCount(int level);

// True when every item of the level has kPassMark or more right answers; the counts are
// given item by item, 加减算 first; a missing item counts as failed, and counts past the
// level's items are not read.
bool levelPassed(int level, const std::vector<int>& rightPerItem);
