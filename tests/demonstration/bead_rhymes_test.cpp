// The bead rhymes of every sum: checked by moving the beads of a rod as each rhyme says.

#include "demonstration/bead_rhymes.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

const std::array<std::string, 10> kWords = {"零", "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};

// The beads of one rod that count: the upper bead (0 or 1) and the lower beads (0 to 4).
struct Rod {
    int upper = 0;
    int lower = 0;
};

int digitAt(int value, int place) {
    for (int i = 0; i < place; ++i) value /= 10;
    return value % 10;
}

int withDigit(int value, int place, int digit) {
    int unit = 1;
    for (int i = 0; i < place; ++i) unit *= 10;
    return value + (digit - digitAt(value, place)) * unit;
}

// Reads a digit word at `at`, moving past it; -1 when there is none.
int takeNumber(const std::string& text, std::size_t& at) {
    for (int digit = 1; digit <= 9; ++digit) {
        if (text.compare(at, kWords[digit].size(), kWords[digit]) == 0) {
            at += kWords[digit].size();
            return digit;
        }
    }
    return -1;
}

// What a rhyme did to one rod, or why its beads could not move as it says.
struct Moved {
    std::string fault;
    int leadingDigit = 0;
    int passed = 0;  // +1 a carry into the next place, -1 a borrow from it
};

// Moves `rod` by the rhyme: "上"/"还" n puts n beads against the beam, "下五" the upper bead,
// "去" n takes n away, "进一" carries and "退一" borrows.
Moved moveBeads(const std::string& rhyme, Rod& rod) {
    Moved moved;
    std::size_t at = 0;
    moved.leadingDigit = takeNumber(rhyme, at);
    const auto put = [&](int count) {
        if (count >= 5) {
            if (rod.upper == 1) moved.fault = "upper bead already counts";
            rod.upper = 1;
            count -= 5;
        }
        rod.lower += count;
        if (rod.lower > 4) moved.fault = "more than four lower beads";
    };
    const auto take = [&](int count) {
        if (count >= 5) {
            if (rod.upper == 0) moved.fault = "no upper bead to take";
            rod.upper = 0;
            count -= 5;
        }
        rod.lower -= count;
        if (rod.lower < 0) moved.fault = "too few lower beads";
    };
    while (at < rhyme.size() && moved.fault.empty()) {
        const auto word = [&](const char* w) {
            if (rhyme.compare(at, std::string(w).size(), w) != 0) return false;
            at += std::string(w).size();
            return true;
        };
        if (word("下五")) {
            put(5);
        } else if (word("上") || word("还")) {
            put(takeNumber(rhyme, at));
        } else if (word("去")) {
            take(takeNumber(rhyme, at));
        } else if (word("进一")) {
            moved.passed = 1;
        } else if (word("退一")) {
            moved.passed = -1;
        } else {
            moved.fault = "unknown words at " + rhyme.substr(at);
        }
    }
    return moved;
}

// Checks every step of first ± second on a row, bead by bead.
void checkSum(int first, bool subtract, int second) {
    SCOPED_TRACE(std::to_string(first) + (subtract ? " - " : " + ") + std::to_string(second));
    const std::vector<BeadStep> steps = beadSteps(first, subtract, second);
    int row = first;
    std::vector<int> termDigits;  // the digits the main steps say, highest place first
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const BeadStep& step = steps[i];
        SCOPED_TRACE(step.rhyme);
        const int before = digitAt(row, step.place);
        Rod rod{before / 5, before % 5};
        const Moved moved = moveBeads(step.rhyme, rod);
        ASSERT_EQ(moved.fault, "");
        const int after = rod.upper * 5 + rod.lower;
        ASSERT_EQ(step.rowValue, withDigit(row, step.place, after)) << "another place moved";
        const int change = after - before;
        const int d = moved.leadingDigit;
        const int expected =
            subtract ? (moved.passed < 0 ? 10 - d : -d) : (moved.passed > 0 ? d - 10 : d);
        ASSERT_EQ(change, expected) << "the beads moved are not the rhyme's number";
        ASSERT_EQ(moved.passed, subtract ? std::min(moved.passed, 0) : std::max(moved.passed, 0));
        const bool carried = i > 0 && steps[i - 1].rhyme.find("进一") != std::string::npos;
        const bool lends = i + 1 < steps.size() &&
                           steps[i + 1].rhyme.find("退一") != std::string::npos &&
                           steps[i + 1].place == step.place - 1;
        if (carried) {
            ASSERT_EQ(step.place, steps[i - 1].place + 1);
        }
        if (carried || lends) {
            ASSERT_EQ(d, 1) << "a carry or borrow moves one bead";
        } else {
            termDigits.push_back(d);
            ASSERT_EQ(digitAt(second, step.place), d) << "a main step belongs to its place";
        }
        row = step.rowValue;
    }
    EXPECT_EQ(row, subtract ? first - second : first + second);
    std::vector<int> wanted;
    for (int place = kRowPlaces - 1; place >= 0; --place) {
        if (digitAt(second, place) != 0) wanted.push_back(digitAt(second, place));
    }
    EXPECT_EQ(termDigits, wanted) << "the second term's digits, highest place first";
}

TEST(BeadRhymes, EveryTwoDigitSumAndDifferenceMovesTheBeadsItsRhymesName) {
    for (int first = 0; first <= 99; ++first) {
        for (int second = 0; second <= 99; ++second) {
            checkSum(first, false, second);
            if (second <= first) checkSum(first, true, second);
        }
    }
}

TEST(BeadRhymes, RandomFourDigitSumsAndDifferencesMoveTheBeadsTheirRhymesName) {
    std::mt19937 generator(16);
    std::uniform_int_distribution<int> term(1000, 9999);
    for (int i = 0; i < 5000; ++i) {
        const int a = term(generator);
        const int b = term(generator);
        checkSum(a, false, b);
        checkSum(std::max(a, b), true, std::min(a, b));
    }
}

TEST(BeadRhymes, CarriesAndBorrowsCascadeThroughNines) {
    const std::vector<BeadStep> up = beadSteps(99, false, 1);
    ASSERT_EQ(up.size(), 3u);
    EXPECT_EQ(up[0], (BeadStep{0, "一去九进一", 90}));
    EXPECT_EQ(up[1], (BeadStep{1, "一去九进一", 0}));
    EXPECT_EQ(up[2], (BeadStep{2, "一上一", 100}));
    const std::vector<BeadStep> down = beadSteps(100, true, 1);
    ASSERT_EQ(down.size(), 3u);
    EXPECT_EQ(down[0], (BeadStep{2, "一去一", 0}));
    EXPECT_EQ(down[1], (BeadStep{1, "一退一还九", 90}));
    EXPECT_EQ(down[2], (BeadStep{0, "一退一还九", 99}));
}

TEST(BeadRhymes, EachKindOfMoveHasItsStandardRhyme) {
    EXPECT_EQ(beadSteps(3, false, 4)[0].rhyme, "四下五去一");
    EXPECT_EQ(beadSteps(5, false, 6)[0].rhyme, "六上一去五进一");
    EXPECT_EQ(beadSteps(8, false, 9)[0].rhyme, "九去一进一");
    EXPECT_EQ(beadSteps(6, true, 2)[0].rhyme, "二上三去五");
    EXPECT_EQ(beadSteps(14, true, 6)[1].rhyme, "六退一还五去一");
    EXPECT_EQ(beadSteps(10, true, 9)[1].rhyme, "九退一还一");
}

TEST(BeadRhymes, SumsTheRowCannotHoldHaveNoSteps) {
    EXPECT_TRUE(beadSteps(99999, false, 1).empty());
    EXPECT_TRUE(beadSteps(3, true, 4).empty());
    EXPECT_TRUE(beadSteps(-1, false, 4).empty());
}

}  // namespace
