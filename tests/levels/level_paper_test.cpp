// Level papers checked against the grading table over many seeds, every level.

#include "levels/level_paper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "levels/level_table.h"

namespace {

constexpr std::uint32_t kSeedsPerLevel = 500;

// The grading table as the issue prints it, kept apart from the generator's own copy.
struct ExpectedLevel {
    const char* caption;
    int rows;
    int digits;
    std::map<int, int> termsByLength;  // digits of a term -> how many such terms
    int subtracted;
    std::map<std::pair<int, int>, int> products;  // digits of the factors -> how many
};

const std::vector<ExpectedLevel> kTable = {
    {"十级", 3, 3, {{1, 3}}, 1, {}},
    {"九级", 4, 5, {{2, 1}, {1, 3}}, 1, {}},
    {"八级", 5, 7, {{2, 2}, {1, 3}}, 2, {}},
    {"七级", 6, 10, {{3, 1}, {2, 2}, {1, 3}}, 2, {}},
    {"六级", 7, 12, {{3, 1}, {2, 3}, {1, 3}}, 3, {{{2, 1}, 2}, {{1, 2}, 3}, {{1, 1}, 5}}},
    {"五级", 7, 14, {{3, 2}, {2, 3}, {1, 2}}, 3, {{{2, 2}, 2}, {{2, 1}, 4}, {{1, 2}, 4}}},
    {"四级", 8, 18, {{4, 1}, {3, 2}, {2, 3}, {1, 2}}, 3, {{{2, 2}, 6}, {{2, 1}, 2}, {{1, 2}, 2}}},
    {"三级", 8, 20, {{4, 2}, {3, 2}, {2, 2}, {1, 2}}, 3, {{{3, 1}, 3}, {{1, 3}, 3}, {{2, 2}, 4}}},
    {"二级",
     10,
     25,
     {{4, 2}, {3, 3}, {2, 3}, {1, 2}},
     3,
     {{{3, 2}, 2}, {{2, 3}, 2}, {{3, 1}, 1}, {{1, 3}, 1}, {{2, 2}, 4}}},
    {"一级", 10, 30, {{4, 3}, {3, 4}, {2, 3}}, 3, {{{3, 2}, 4}, {{2, 3}, 4}, {{2, 2}, 2}}},
};

// Digits of a whole number as written, so a leading zero cannot hide.
int digitsOf(std::int32_t value) {
    return static_cast<int>(std::to_string(std::abs(value)).size());
}

// Checks one addition question: rows, digit mix, subtracted rows, running totals, answer.
void checkSum(const SumQuestion& question, const ExpectedLevel& expected, int number) {
    SCOPED_TRACE("addition question " + std::to_string(number + 1));
    ASSERT_EQ(static_cast<int>(question.terms.size()), expected.rows);
    std::map<int, int> lengths;
    int digits = 0, subtracted = 0, total = 0;
    for (std::size_t row = 0; row < question.terms.size(); ++row) {
        const std::int32_t term = question.terms[row];
        EXPECT_NE(term, 0);
        ++lengths[digitsOf(term)];
        digits += digitsOf(term);
        if (term < 0) {
            EXPECT_NE(row, 0U) << "the first row is subtracted";
            ++subtracted;
        }
        total += term;
        EXPECT_GE(total, 0) << "running total below 0 at row " << row + 1;
    }
    EXPECT_EQ(lengths, expected.termsByLength);
    EXPECT_EQ(digits, expected.digits);
    EXPECT_EQ(subtracted, number < 6 ? 0 : expected.subtracted);
    EXPECT_EQ(question.answer, total);
}

// Checks the multiplication item: ten questions, shapes and counts, answers.
void checkProducts(const std::vector<ProductQuestion>& questions, const ExpectedLevel& expected) {
    if (expected.products.empty()) {
        EXPECT_TRUE(questions.empty());
        return;
    }
    ASSERT_EQ(questions.size(), 10U);
    std::map<std::pair<int, int>, int> shapes;
    for (const ProductQuestion& question : questions) {
        EXPECT_GT(question.first, 0);
        EXPECT_GT(question.second, 0);
        ++shapes[{digitsOf(question.first), digitsOf(question.second)}];
        EXPECT_EQ(question.answer, question.first * question.second);
    }
    EXPECT_EQ(shapes, expected.products);
}

}  // namespace

TEST(LevelTable, CaptionsRunFromTenthToFirstLevel) {
    for (int level = 0; level < kLevelCount; ++level) {
        EXPECT_EQ(levelSpec(level).caption, kTable[static_cast<std::size_t>(level)].caption);
        EXPECT_EQ(levelItemCount(level),
                  kTable[static_cast<std::size_t>(level)].products.empty() ? 1 : 2);
    }
    EXPECT_THROW(levelSpec(-1), std::out_of_range);
    EXPECT_THROW(levelSpec(kLevelCount), std::out_of_range);
}

TEST(LevelPaper, EveryLevelFollowsTheTableOverManySeeds) {
    for (int level = 0; level < kLevelCount; ++level) {
        const ExpectedLevel& expected = kTable[static_cast<std::size_t>(level)];
        for (std::uint32_t seed = 0; seed < kSeedsPerLevel; ++seed) {
            SCOPED_TRACE(std::string(expected.caption) + " seed " + std::to_string(seed));
            const LevelPaper paper = levelPaper(level, seed);
            EXPECT_EQ(paper.level, level);
            ASSERT_EQ(paper.additionItem.size(), 10U);
            for (int number = 0; number < 10; ++number) {
                checkSum(paper.additionItem[static_cast<std::size_t>(number)], expected, number);
            }
            checkProducts(paper.multiplicationItem, expected);
            if (testing::Test::HasFailure()) return;
        }
    }
}

TEST(LevelPaper, SameSeedSamePaperAndOtherSeedsOtherPapers) {
    for (int level = 0; level < kLevelCount; ++level) {
        std::set<std::vector<std::int32_t>> firstQuestions;
        for (std::uint32_t seed = 0; seed < 50; ++seed) {
            const LevelPaper paper = levelPaper(level, seed);
            EXPECT_EQ(paper, levelPaper(level, seed)) << "level " << level << " seed " << seed;
            firstQuestions.insert(paper.additionItem[0].terms);
        }
        EXPECT_GE(firstQuestions.size(), 45U) << "level " << level;
    }
}

// The order is shuffled: over many seeds, every row of the mixed questions is sometimes
// subtracted (but the first), every row sometimes holds each term length, and each
// multiplication shape sometimes comes first.
TEST(LevelPaper, TermsSubtractionsAndShapesMoveAround) {
    for (int level = 0; level < kLevelCount; ++level) {
        const ExpectedLevel& expected = kTable[static_cast<std::size_t>(level)];
        SCOPED_TRACE(expected.caption);
        std::set<std::size_t> subtractedRows;
        std::set<std::pair<std::size_t, int>> rowLengths;
        std::set<int> subtractedLengths;
        std::set<std::pair<int, int>> firstShapes;
        for (std::uint32_t seed = 0; seed < kSeedsPerLevel; ++seed) {
            const LevelPaper paper = levelPaper(level, seed);
            for (std::size_t number = 0; number < 10; ++number) {
                const std::vector<std::int32_t>& terms = paper.additionItem[number].terms;
                for (std::size_t row = 0; row < terms.size(); ++row) {
                    rowLengths.insert({row, digitsOf(terms[row])});
                    if (terms[row] < 0) {
                        subtractedRows.insert(row);
                        subtractedLengths.insert(digitsOf(terms[row]));
                    }
                }
            }
            if (!paper.multiplicationItem.empty()) {
                const ProductQuestion& first = paper.multiplicationItem.front();
                firstShapes.insert({digitsOf(first.first), digitsOf(first.second)});
            }
        }
        EXPECT_EQ(subtractedRows.size(), static_cast<std::size_t>(expected.rows - 1));
        EXPECT_EQ(subtractedRows.count(0), 0U);
        for (int row = 0; row < expected.rows; ++row) {
            for (const auto& [length, count] : expected.termsByLength) {
                EXPECT_TRUE(rowLengths.count({static_cast<std::size_t>(row), length}))
                    << "row " << row + 1 << " never has " << length << " digits";
            }
        }
        EXPECT_EQ(subtractedLengths.size(), expected.termsByLength.size());
        EXPECT_EQ(firstShapes.size(), expected.products.size());
    }
}
