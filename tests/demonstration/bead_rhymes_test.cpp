// The bead rhymes of every sum, checked by moving the beads of a rod as each rhyme says.

#include "demonstration/bead_rhymes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "demonstration/rhyme_rod.h"

namespace {

// Checks every step of first ± second: each rhyme's moves can be made and change only the
// place it names, carries and borrows move one bead of the next place, the main steps follow
// the second term's digits from its highest place, and the row ends on the answer.
void checkSum(int first, bool subtract, int second) {
    SCOPED_TRACE(std::to_string(first) + (subtract ? " - " : " + ") + std::to_string(second));
    const std::vector<BeadStep> steps = beadSteps(first, subtract, second);
    int row = first;
    std::vector<int> mainDigits, wanted;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const BeadStep& step = steps[i];
        const Rod rod(digitAt(row, step.place), step.rhyme);
        ASSERT_TRUE(rod.possible) << step.rhyme << " on " << digitAt(row, step.place);
        const int change = rod.upper * 5 + rod.lower - digitAt(row, step.place);
        int unit = 1;
        for (int p = 0; p < step.place; ++p) unit *= 10;
        ASSERT_EQ(step.rowValue, row + change * unit) << step.rhyme;
        const int d = rod.leading;
        ASSERT_EQ(change,
                  subtract ? (rod.passed < 0 ? 10 - d : -d) : (rod.passed > 0 ? d - 10 : d));
        ASSERT_NE(rod.passed, subtract ? 1 : -1) << step.rhyme;
        const auto passes = [&](std::size_t j, const char* word) {
            return steps[j].rhyme.find(word) != std::string::npos;
        };
        const bool carry = i > 0 && passes(i - 1, "进一") && steps[i - 1].place + 1 == step.place;
        const bool lend =
            i + 1 < steps.size() && passes(i + 1, "退一") && steps[i + 1].place + 1 == step.place;
        ASSERT_EQ(d, carry || lend ? 1 : digitAt(second, step.place)) << step.rhyme;
        if (!carry && !lend) mainDigits.push_back(d);
        row = step.rowValue;
    }
    EXPECT_EQ(row, subtract ? first - second : first + second);
    for (int place = kRowPlaces - 1; place >= 0; --place) {
        if (digitAt(second, place) != 0) wanted.push_back(digitAt(second, place));
    }
    EXPECT_EQ(mainDigits, wanted);
}

TEST(BeadRhymes, EveryTwoDigitAndManyFourDigitSumsMoveTheBeadsTheirRhymesName) {
    for (int first = 0; first <= 99; ++first) {
        for (int second = 0; second <= 99; ++second) {
            checkSum(first, false, second);
            if (second <= first) checkSum(first, true, second);
        }
    }
    std::mt19937 generator(16);
    std::uniform_int_distribution<int> term(1000, 9999);
    for (int i = 0; i < 5000; ++i) {
        const int a = term(generator);
        const int b = term(generator);
        checkSum(a, false, b);
        checkSum(std::max(a, b), true, std::min(a, b));
    }
}

TEST(BeadRhymes, CarriesAndBorrowsCascadeThroughNinesAndTooBigSumsHaveNoSteps) {
    EXPECT_EQ(
        beadSteps(99, false, 1),
        (std::vector<BeadStep>{{0, "一去九进一", 90}, {1, "一去九进一", 0}, {2, "一上一", 100}}));
    EXPECT_EQ(
        beadSteps(100, true, 1),
        (std::vector<BeadStep>{{2, "一去一", 0}, {1, "一退一还九", 90}, {0, "一退一还九", 99}}));
    EXPECT_TRUE(beadSteps(99999, false, 1).empty());
    EXPECT_TRUE(beadSteps(3, true, 4).empty());
}

}  // namespace
