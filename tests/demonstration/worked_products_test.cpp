// Multiplication and division worked on the beads: the times-table lines, and over many
// questions the board moved step by step as each rhyme says, ending on the product, or on the
// quotient beside the remainder.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "demonstration/division_steps.h"
#include "demonstration/multiplication_steps.h"
#include "demonstration/rhyme_rod.h"
#include "demonstration/times_table.h"

namespace {

// Reads a word of kWords at `at`, moving past it; 0 when none is there.
int readDigit(const std::string& text, std::size_t& at) {
    for (int digit = 1; digit <= 9; ++digit) {
        if (text.compare(at, kWords[digit].size(), kWords[digit]) == 0) {
            at += kWords[digit].size();
            return digit;
        }
    }
    return 0;
}

// True when `text` continues with `word` at `at`, moving past it.
bool readWord(const std::string& text, std::size_t& at, const std::string& word) {
    if (text.compare(at, word.size(), word) != 0) return false;
    at += word.size();
    return true;
}

// The product a times-table line says, or -1 when the line does not read as one.
int productSaid(const std::string& line, int& first, int& second) {
    std::size_t at = 0;
    first = readDigit(line, at);
    second = readDigit(line, at);
    const bool below = readWord(line, at, "得");
    int tens = readDigit(line, at);
    int units = 0;
    if (readWord(line, at, "十")) {
        tens = tens == 0 ? 1 : tens;
        units = readDigit(line, at);
    } else {
        units = tens;
        tens = 0;
    }
    const int product = tens * 10 + units;
    if (at != line.size() || first == 0 || second == 0 || below != (product < 10)) return -1;
    return product;
}

TEST(TimesTable, EveryPairOfDigitsSaysItsProductSmallerFactorFirst) {
    std::set<std::string> lines;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const std::string line = timesTableRhyme(a, b);
            SCOPED_TRACE(std::to_string(a) + "x" + std::to_string(b) + " " + line);
            int first = 0, second = 0;
            EXPECT_EQ(productSaid(line, first, second), a * b);
            EXPECT_EQ(first, std::min(a, b));
            EXPECT_EQ(second, std::max(a, b));
            EXPECT_EQ(line, timesTableRhyme(b, a));
            lines.insert(line);
        }
    }
    EXPECT_EQ(lines.size(), 45u);
    for (const char* line : {"一一得一", "二三得六", "一八得八", "二五一十", "二六十二", "三五十五",
                             "四五二十", "三七二十一", "九九八十一"}) {
        EXPECT_TRUE(lines.count(line)) << line;
    }
    EXPECT_EQ(timesTableRhyme(0, 3), "");
    EXPECT_EQ(timesTableRhyme(3, 10), "");
}

// Walks the steps from `start`: a line step moves nothing and says a product of the table,
// each move changes only its own place as its rhyme says and carries the last line said, and
// the moves after a line add (or take away) exactly its product at its place. Returns the row.
std::int32_t walkSteps(const std::vector<BeadStep>& steps, std::int32_t start, bool subtract,
                       std::vector<int>* products) {
    std::int32_t row = start;
    std::string line;
    std::int64_t moved = 0, owed = 0;
    for (const BeadStep& step : steps) {
        SCOPED_TRACE(step.rhyme + " at " + std::to_string(step.place));
        if (!step.movesBeads) {
            EXPECT_EQ(moved, owed) << "the product before " << step.rhyme;
            int first = 0, second = 0;
            const int product = productSaid(step.rhyme, first, second);
            EXPECT_GT(product, 0);
            EXPECT_EQ(step.rhyme, step.tableRhyme);
            EXPECT_EQ(step.rowValue, row);
            line = step.rhyme;
            moved = 0;
            owed = std::int64_t{product} * placeValue(product >= 10 ? step.place - 1 : step.place);
            if (products) products->push_back(product);
            continue;
        }
        for (int place = 0; place < kWorkingRods; ++place) {
            if (place == step.place) continue;
            EXPECT_EQ(digitAt(step.rowValue, place), digitAt(row, place));
        }
        if (step.tableRhyme.empty()) {
            row = step.rowValue;  // a quotient digit put on its rod
            continue;
        }
        const Rod rod(digitAt(row, step.place), step.rhyme);
        EXPECT_TRUE(rod.possible);
        EXPECT_EQ(rod.upper * 5 + rod.lower, digitAt(step.rowValue, step.place));
        EXPECT_EQ(step.tableRhyme, line);
        moved += (subtract ? row - step.rowValue : step.rowValue - row);
        row = step.rowValue;
    }
    EXPECT_EQ(moved, owed);
    return row;
}

// A number of 1..`most` digits, its digit count chosen first so short ones come up often.
int randomTerm(std::mt19937& generator, int fewest, int most) {
    const int digits = std::uniform_int_distribution<int>(fewest, most)(generator);
    return std::uniform_int_distribution<int>(placeValue(digits - 1),
                                              placeValue(digits) - 1)(generator);
}

TEST(MultiplicationSteps, EveryDigitPairIsSaidAndAddedAtItsPlaceAndTheBoardEndsOnTheProduct) {
    std::mt19937 generator(32);
    for (int i = 0; i < 4000; ++i) {
        const int a = randomTerm(generator, 1, 3);
        const int b = randomTerm(generator, 1, 3);
        SCOPED_TRACE(std::to_string(a) + "x" + std::to_string(b));
        std::vector<int> products;
        const std::vector<BeadStep> steps = multiplicationSteps(a, b);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(walkSteps(steps, 0, false, &products), a * b);
        std::vector<int> wanted;
        for (int x = digitCount(a) - 1; x >= 0; --x) {
            for (int y = digitCount(b) - 1; y >= 0; --y) {
                if (digitAt(a, x) * digitAt(b, y) != 0) {
                    wanted.push_back(digitAt(a, x) * digitAt(b, y));
                }
            }
        }
        EXPECT_EQ(products, wanted);
    }
    EXPECT_TRUE(multiplicationSteps(999, 999, kRowPlaces).empty());
    EXPECT_EQ(walkSteps(multiplicationSteps(999, 999), 0, false, nullptr), 998001);
    EXPECT_TRUE(multiplicationSteps(0, 5).empty());
}

// Checks where each quotient digit goes: with one empty rod before the part still divided when
// its leading digits reach the divisor, next to it when they do not, and the largest digit
// whose product with the divisor fits.
void checkQuotientDigits(const std::vector<BeadStep>& steps, int dividend, int divisor) {
    const int quotientUnits = quotientUnitsPlace(divisor);
    std::int32_t row = dividend;
    for (const BeadStep& step : steps) {
        if (step.movesBeads && step.tableRhyme.empty()) {
            const std::int32_t rest = row % placeValue(step.place);
            const int leading = digitCount(rest) - 1;
            const int digit = digitAt(step.rowValue, step.place);
            const bool enough = rest / placeValue(leading - digitCount(divisor) + 1) >= divisor;
            EXPECT_EQ(step.rhyme, (enough ? "够除隔位商" : "不够除挨位商") + kWords[digit]);
            EXPECT_EQ(step.place, leading + (enough ? 2 : 1)) << step.rhyme;
            const std::int64_t unit = placeValue(step.place - quotientUnits);
            EXPECT_LE(digit * divisor * unit, rest);
            EXPECT_GT((digit + 1) * divisor * unit, rest);
        }
        row = step.rowValue;
    }
}

TEST(DivisionSteps, EachQuotientDigitIsPlacedByItsRuleAndTheBoardEndsOnQuotientAndRemainder) {
    std::mt19937 generator(33);
    for (int i = 0; i < 4000; ++i) {
        const int divisor = randomTerm(generator, 1, 2);
        const int dividend = std::max(randomTerm(generator, 2, 4), divisor);
        SCOPED_TRACE(std::to_string(dividend) + "/" + std::to_string(divisor));
        const std::vector<BeadStep> steps = divisionSteps(dividend, divisor);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(
            walkSteps(steps, dividend, true, nullptr),
            dividend / divisor * placeValue(quotientUnitsPlace(divisor)) + dividend % divisor);
        checkQuotientDigits(steps, dividend, divisor);
    }
    EXPECT_TRUE(divisionSteps(9999, 1, kRowPlaces).empty());
    EXPECT_EQ(walkSteps(divisionSteps(9999, 1), 9999, true, nullptr), 999900);
    EXPECT_TRUE(divisionSteps(3, 4).empty());
    EXPECT_TRUE(divisionSteps(12, 0).empty());
}

}  // namespace
