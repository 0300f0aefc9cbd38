// Multiplication and division worked on the beads: the times-table lines, and over many
// questions the board moved step by step as each rhyme says, ending on the product, or on the
// quotient beside the remainder; products on two rods, and quotient digits guessed, taken back
// and added on.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "demonstration/division_steps.h"
#include "demonstration/multiplication_steps.h"
#include "demonstration/product_moves.h"
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

// The line a two-rod product says without its digits: "二三得六 06" gives "二三得六" and 6.
std::string withoutDigits(const std::string& line, int& shownProduct) {
    const std::size_t gap = line.find(' ');
    shownProduct = gap == std::string::npos ? -1 : std::stoi(line.substr(gap + 1));
    return line.substr(0, gap);
}

// Checks a bead move: it changes only its own rod, as its rhyme says.
void checkMove(const BeadStep& step, std::int32_t row) {
    for (int place = 0; place < kWorkingRods; ++place) {
        if (place != step.place) {
            EXPECT_EQ(digitAt(step.rowValue, place), digitAt(row, place));
        }
    }
    const Rod rod(digitAt(row, step.place), step.rhyme);
    EXPECT_TRUE(rod.possible) << step.rhyme;
    EXPECT_EQ(rod.upper * 5 + rod.lower, digitAt(step.rowValue, step.place)) << step.rhyme;
}

// Walks a multiplication from an empty board: each pair's line alone with both rods of its
// product framed (a one-digit product said with its tens 0), then moves adding exactly that
// product with its units on the lower framed rod. Returns the row and the products said.
std::int32_t walkMultiplication(const std::vector<BeadStep>& steps, std::vector<int>& products) {
    std::int32_t row = 0;
    std::string line;
    std::int64_t added = 0, owed = 0;
    for (const BeadStep& step : steps) {
        SCOPED_TRACE(step.rhyme + " at " + std::to_string(step.place));
        if (!step.movesBeads) {
            EXPECT_EQ(added, owed) << "the product before " << step.rhyme;
            int first = 0, second = 0, shown = 0;
            const int product = productSaid(withoutDigits(step.rhyme, shown), first, second);
            EXPECT_GT(product, 0);
            EXPECT_EQ(shown, product < 10 ? product : -1);
            EXPECT_EQ(step.framedRods, 2);
            EXPECT_EQ(step.rhyme, step.tableRhyme);
            EXPECT_EQ(step.rowValue, row);
            line = step.rhyme;
            added = 0;
            owed = std::int64_t{product} * placeValue(step.place - 1);
            products.push_back(product);
            continue;
        }
        checkMove(step, row);
        EXPECT_EQ(step.tableRhyme, line);
        added += step.rowValue - row;
        row = step.rowValue;
    }
    EXPECT_EQ(added, owed);
    return row;
}

// A number of 1..`most` digits, its digit count chosen first so short ones come up often.
int randomTerm(std::mt19937& generator, int fewest, int most) {
    const int digits = std::uniform_int_distribution<int>(fewest, most)(generator);
    return std::uniform_int_distribution<int>(placeValue(digits - 1),
                                              placeValue(digits) - 1)(generator);
}

TEST(MultiplicationSteps, EveryDigitPairIsSaidOnTwoRodsAddedAtItsPlaceAndTheBoardEndsOnTheProduct) {
    std::mt19937 generator(32);
    for (int i = 0; i < 4000; ++i) {
        const int a = randomTerm(generator, 1, 3);
        const int b = randomTerm(generator, 1, 3);
        SCOPED_TRACE(std::to_string(a) + "x" + std::to_string(b));
        std::vector<int> products;
        const std::vector<BeadStep> steps = multiplicationSteps(a, b);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.front().place, digitCount(a) + digitCount(b) - 1);
        EXPECT_EQ(walkMultiplication(steps, products), a * b);
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
    // The factors' digits together are the rods the product needs.
    EXPECT_FALSE(multiplicationSteps(99, 999, kRowPlaces).empty());
    EXPECT_TRUE(multiplicationSteps(100, 100, kRowPlaces).empty());
    EXPECT_TRUE(multiplicationSteps(1111, 1111).empty());
    EXPECT_TRUE(multiplicationSteps(0, 5).empty());
    std::vector<int> products;
    EXPECT_EQ(walkMultiplication(multiplicationSteps(999, 999), products), 998001);
}

TEST(MultiplicationSteps, ATwoRodProductMovesTheBeadsOfTheOneRodProductAndFramesItsRodToo) {
    for (int first = 1; first <= 9; ++first) {
        for (int second = 1; second <= 9; ++second) {
            for (int units = 0; units <= 3; ++units) {
                SCOPED_TRACE(std::to_string(first) + "x" + std::to_string(second) + " at " +
                             std::to_string(units));
                const std::int32_t start = 1234 % placeValue(units + 2);
                std::vector<BeadStep> oneRod, twoRods;
                std::int32_t oneRow = start, twoRow = start;
                workProduct(oneRod, oneRow, first, second, units, false, kWorkingRods);
                workProduct(twoRods, twoRow, first, second, units, false, kWorkingRods,
                            ProductRods::Two);
                EXPECT_EQ(oneRow, twoRow);
                ASSERT_EQ(oneRod.size(), twoRods.size());
                const BeadStep& line = twoRods.front();
                EXPECT_EQ(line.place, units + 1);
                EXPECT_TRUE(oneRod.front().place == line.place ||
                            oneRod.front().place == line.place - 1);
                for (std::size_t i = 1; i < oneRod.size(); ++i) {
                    EXPECT_EQ(oneRod[i].place, twoRods[i].place);
                    EXPECT_EQ(oneRod[i].rhyme, twoRods[i].rhyme);
                    EXPECT_EQ(oneRod[i].rowValue, twoRods[i].rowValue);
                }
            }
        }
    }
}

// Walks a division's steps from the dividend and checks every board on the way against the
// true working. A quotient digit goes on its rod by its rule, at first the guess; before each
// times-table line the part divided has lost exactly the products of the digit now on the
// rod with the divisor's digits already worked; "退商一" comes only when the product just said
// cannot be taken away, "补商一" only when what is left still holds the divisor; each move
// changes its own rod as its rhyme says; once a digit is done the board holds quotient × divisor
// + rest = dividend with the rest below the divisor. Returns the row and counts the corrections.
std::int32_t walkDivision(const std::vector<BeadStep>& steps, std::int32_t dividend,
                          std::int32_t divisor, const QuotientGuess& guess, int& takenBack,
                          int& addedOn) {
    const int divisorDigits = digitCount(divisor);
    const int quotientUnits = quotientUnitsPlace(divisor);
    std::int32_t row = dividend;
    int rod = -1;
    std::int32_t partBefore = 0;  // what the rods right of the quotient digit held before it
    std::int64_t productSaidLast = 0;
    // Checks the digit on `rod` is done: quotient × divisor + rest = dividend, rest < divisor.
    const auto checkSettled = [&] {
        if (rod < 0) return;
        const std::int64_t quotient = row / placeValue(rod);
        const std::int64_t scale = placeValue(rod - quotientUnits);
        const std::int64_t rest = row % placeValue(rod);
        EXPECT_EQ(quotient * scale * divisor + rest, dividend) << "settled on " << row;
        EXPECT_LT(rest, divisor * scale) << "settled on " << row;
    };
    for (const BeadStep& step : steps) {
        SCOPED_TRACE(step.rhyme + " at " + std::to_string(step.place) + " on " +
                     std::to_string(row));
        const bool placed = step.rhyme.starts_with("够除") || step.rhyme.starts_with("不够除");
        if (placed) {
            checkSettled();
            EXPECT_EQ(digitAt(row, step.place), 0);
            rod = step.place;
            const std::int32_t rest = row % placeValue(rod);
            const int leading = digitCount(rest) - 1;
            const bool enough = rest / placeValue(leading - divisorDigits + 1) >= divisor;
            const int digit = digitAt(step.rowValue, rod);
            EXPECT_EQ(step.rhyme, (enough ? "够除隔位商" : "不够除挨位商") + kWords[digit]);
            EXPECT_EQ(rod, leading + (enough ? 2 : 1));
            EXPECT_EQ(digit,
                      std::clamp(guess(rest / placeValue(rod - quotientUnits), divisor), 1, 9));
            EXPECT_EQ(step.rowValue, row + digit * placeValue(rod));
            partBefore = rest;
        } else if (!step.movesBeads) {
            int first = 0, second = 0;
            const int product = productSaid(step.rhyme, first, second);
            EXPECT_GT(product, 0);
            const int digit = digitAt(row, rod);
            EXPECT_TRUE(first == digit || second == digit);
            const int factor = first == digit ? second : first;
            const int productUnits = product >= 10 ? step.place - 1 : step.place;
            const int rank = rod - 1 - productUnits;
            EXPECT_GE(rank, 1);
            EXPECT_LE(rank, divisorDigits);
            if (rank < 1 || rank > divisorDigits) return row;
            EXPECT_EQ(digitAt(divisor, divisorDigits - rank), factor);
            const std::int64_t worked = divisor / placeValue(divisorDigits - rank + 1);
            EXPECT_EQ(row % placeValue(rod), partBefore - digit * worked * placeValue(rod - rank))
                << "before " << step.rhyme;
            productSaidLast = std::int64_t{product} * placeValue(productUnits);
        } else if (step.rhyme == "退商一") {
            EXPECT_LT(row % placeValue(rod), productSaidLast);
            EXPECT_EQ(step.rowValue, row - placeValue(rod));
            ++takenBack;
        } else if (step.rhyme == "补商一") {
            const std::int64_t scale = placeValue(rod - quotientUnits);
            const std::int64_t taken = digitAt(row, rod) * scale * divisor;
            EXPECT_EQ(row % placeValue(rod), partBefore - taken);
            EXPECT_GE(row % placeValue(rod), divisor * scale);
            EXPECT_EQ(step.rowValue, row + placeValue(rod));
            ++addedOn;
        } else {
            checkMove(step, row);
            EXPECT_FALSE(step.tableRhyme.empty());
        }
        row = step.rowValue;
    }
    checkSettled();
    return row;
}

// A guess by the divisor rounded up at its first digit, which can come out too small.
int roundedUpGuess(std::int32_t part, std::int32_t divisor) {
    const std::int32_t scale = placeValue(digitCount(divisor) - 1);
    return part / ((divisor / scale + (divisor % scale == 0 ? 0 : 1)) * scale);
}

// Works `dividend` ÷ `divisor` with `guess` and checks it all; returns the corrections made.
void checkDivision(std::int32_t dividend, std::int32_t divisor, const QuotientGuess& guess,
                   int& takenBack, int& addedOn) {
    SCOPED_TRACE(std::to_string(dividend) + "/" + std::to_string(divisor));
    const std::vector<BeadStep> steps = divisionSteps(dividend, divisor, guess);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(walkDivision(steps, dividend, divisor, guess, takenBack, addedOn),
              dividend / divisor * placeValue(quotientUnitsPlace(divisor)) + dividend % divisor);
}

TEST(DivisionSteps, EveryTrialCorrectionAndPlacementLeavesTheBoardOnTheTruePartialResult) {
    std::mt19937 generator(33);
    int takenBack = 0, neverAdded = 0, directCorrections = 0, roundedTakenBack = 0, addedOn = 0;
    for (int i = 0; i < 6000; ++i) {
        const int divisor = randomTerm(generator, 1, 2);
        const int dividend = std::max(randomTerm(generator, 2, 4), divisor);
        checkDivision(dividend, divisor, firstDigitGuess, takenBack, neverAdded);
        checkDivision(dividend, divisor, rightDigit, directCorrections, directCorrections);
        checkDivision(dividend, divisor, roundedUpGuess, roundedTakenBack, addedOn);
    }
    EXPECT_EQ(neverAdded, 0) << "the first digit never guesses too small";
    EXPECT_EQ(directCorrections, 0);
    EXPECT_GT(takenBack, 1000);
    EXPECT_GT(addedOn, 1000);
    // Every two-digit divisor of a few dividends, and the textbook's 1634 ÷ 38: 5 is tried and
    // taken back to 4 once 五八四十 cannot be taken from 134.
    for (int divisor = 10; divisor <= 99; ++divisor) {
        for (int dividend : {100, 999, 1634, 5000, 9999}) {
            checkDivision(dividend, divisor, firstDigitGuess, takenBack, neverAdded);
        }
    }
    const std::vector<BeadStep> worked = divisionSteps(1634, 38, QuotientTrial::Estimate);
    std::vector<std::string> rhymes;
    for (const BeadStep& step : worked) rhymes.push_back(step.rhyme);
    const std::vector<std::string> opening = {"不够除挨位商五", "三五十五", "一去一", "五去五",
                                              "五八四十",       "退商一",   "三上三", "四八三十二"};
    EXPECT_EQ(std::vector<std::string>(rhymes.begin(), rhymes.begin() + 8), opening);
    EXPECT_EQ(divisionSteps(1634, 38, QuotientTrial::Direct).front().rhyme, "不够除挨位商四");
    EXPECT_TRUE(divisionSteps(9999, 1, QuotientTrial::Estimate, kRowPlaces).empty());
    EXPECT_TRUE(divisionSteps(3, 4).empty());
    EXPECT_TRUE(divisionSteps(12, 0).empty());
}

TEST(DivisionSteps, TheFirstDigitGuessIsNeverBelowTheRightDigitAndOneDigitDivisorsGuessRight) {
    for (std::int32_t divisor = 1; divisor <= 99; ++divisor) {
        for (std::int32_t part = divisor; part < 10 * divisor; ++part) {
            const int guess = firstDigitGuess(part, divisor);
            EXPECT_GE(guess, rightDigit(part, divisor)) << part << "/" << divisor;
            EXPECT_LE(guess, 9);
            if (divisor < 10) {
                EXPECT_EQ(guess, rightDigit(part, divisor)) << part << "/" << divisor;
            }
        }
    }
}

}  // namespace
