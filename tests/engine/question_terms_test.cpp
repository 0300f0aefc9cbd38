// Drawing one question's terms: each rejection rule sends the pair back, the zero count,
// and the rejection loop's length over a million questions.

#include "engine/question_terms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

#include "engine/question_generator.h"
#include "trainer_with_random.h"

namespace {

using ScriptedTerms = TrainerWith<ScriptedRandom>;
using CountedTerms = TrainerWith<CountingRandom>;

struct DrawnPair {
    int first;
    int second;
};

struct RejectionCase {
    const char* name;
    const char* sign;
    std::int16_t digitsA, digitsB;
    QuestionHistorySlot slot0, slot1;
    std::vector<DrawnPair> rejected;
    DrawnPair accepted;
    QuestionHistorySlot expectedTerms;
};

const std::vector<RejectionCase> kRejectionCases{
    {"plus: zero digits, too small, equal terms",
     "+",
     2,
     2,
     {},
     {},
     {{20, 35}, {35, 30}, {5, 35}, {35, 35}},
     {35, 47},
     {35, 47, 82}},
    {"plus: a recent first or second term",
     "+",
     2,
     2,
     {35, 47, 82},
     {62, 29, 91},
     {{35, 12}, {62, 12}, {44, 47}, {44, 29}},
     {44, 12},
     {44, 12, 56}},
    {"minus: recent result or subtrahend, equal terms allowed",
     "-",
     2,
     2,
     {55, 23, 48},
     {},
     {{48, 12}, {12, 23}},
     {55, 55},
     {110, 55, 55}},
    {"times: one digit, equal factors and a factor of 1",
     "×",
     1,
     1,
     {},
     {},
     {{4, 4}, {1, 9}, {9, 1}},
     {4, 9},
     {4, 9, 36}},
    {"divide: a one-digit divisor of 1 and a recent quotient",
     "÷",
     2,
     1,
     {},
     {0, 0, 12},
     {{13, 1}, {12, 7}},
     {13, 7},
     {91, 7, 13}},
};

TEST_F(ScriptedTerms, EachRejectionRuleDrawsThePairAgain) {
    for (const RejectionCase& example : kRejectionCases) {
        state.currentOperator = example.sign;
        state.digitsA = example.digitsA;
        state.digitsB = example.digitsB;
        state.historySlot0 = example.slot0;
        state.historySlot1 = example.slot1;
        for (const DrawnPair& pair : example.rejected) {
            random.script(
                {rndFor(pair.first, example.digitsA), rndFor(pair.second, example.digitsB)});
        }
        random.script({rndFor(example.accepted.first, example.digitsA),
                       rndFor(example.accepted.second, example.digitsB)});
        drawQuestionTerms(window);
        EXPECT_EQ(random.unused(), 0u) << example.name;
        EXPECT_EQ(state.operandA, example.expectedTerms.operandA) << example.name;
        EXPECT_EQ(state.operandB, example.expectedTerms.operandB) << example.name;
        EXPECT_EQ(state.operandC, example.expectedTerms.operandC) << example.name;
    }
}

TEST_F(ScriptedTerms, NothingIsDrawnBeforeTheDigitCountsAreSet) {
    state.currentOperator = "+";
    state.digitsA = 0;
    drawQuestionTerms(window);
    EXPECT_EQ(state.operandA, 0);
}

TEST_F(ScriptedTerms, ZeroCountSkipsTheFirstCharacterAndAddsUp) {
    state.zeroDigitCount = 1;
    state.digitCheckText = "2030";
    fl(window);
    EXPECT_EQ(state.zeroDigitCount, 3);
    EXPECT_EQ(state.digitCheckText, "0");
    for (const char* text : {"7", "", "0", "99"}) {
        state.zeroDigitCount = 0;
        state.digitCheckText = text;
        fl(window);
        EXPECT_EQ(state.zeroDigitCount, 0) << text;
    }
}

TEST_F(ScriptedTerms, DrawnNumbersSpanZeroToTheLargestOfTheirDigits) {
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    for (int digits = 1; digits <= 4; ++digits) {
        random.script({0.0f, largestBelowOne});
        EXPECT_EQ(drawNumber(random, digits), 0);
        EXPECT_EQ(drawNumber(random, digits), static_cast<int>(std::pow(10, digits)) - 1);
    }
    EXPECT_TRUE(isTooSmall(1, 1));
    EXPECT_FALSE(isTooSmall(2, 1));
    EXPECT_TRUE(isTooSmall(1000, 4));
    EXPECT_FALSE(isTooSmall(1001, 4));
}

TEST_F(CountedTerms, RejectionLoopEndsQuicklyOverAMillionQuestions) {
    constexpr int kQuestions = 1'000'000;
    std::uint64_t largestRedraws = 0;
    std::uint64_t totalRedraws = 0;
    state.fillBlankMode = "1";
    for (int i = 0; i < kQuestions; ++i) {
        form.Combo1.listIndex = i % 7;
        form.Combo2.listIndex = (i / 7) % 4;
        ysfh(window);
        zdct(window);
        chooseBlankPosition(window);
        const std::uint64_t before = random.drawn;
        drawQuestionTerms(window);
        const std::uint64_t redraws = (random.drawn - before) / 2 - 1;
        recordQuestionHistory(window);
        largestRedraws = std::max(largestRedraws, redraws);
        totalRedraws += redraws;
    }
    std::cout << "largest number of redraws over " << kQuestions << " questions: " << largestRedraws
              << ", mean " << static_cast<double>(totalRedraws) / kQuestions << '\n';
    EXPECT_LT(largestRedraws, 1000u);
}

}  // namespace
