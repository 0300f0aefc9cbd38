// The question-drawing sequence over many draws: operators of each mode, digit counts and
// zero-free numbers, exact subtraction and division, the two-question history across runs,
// blank positions and blank texts.

#include "engine/question_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "support/loaded_trainer.h"
#include "trainer_with_random.h"

namespace {

using QuestionDrawing = LoadedTrainer;
using ScriptedDrawing = TrainerWith<ScriptedRandom>;

const std::array<std::vector<std::string>, 7> kModeOperators{
    {{"+"}, {"-"}, {"+", "-"}, {"×"}, {"÷"}, {"×", "÷"}, {"+", "-", "×", "÷"}}};
const std::array<std::string, 7> kModeTexts{"+", "-", "+-", "×", "÷", "×÷", "+-×÷"};

// Digits of the first and second drawn number, by operator and the digits list's index.
const std::map<std::string, std::array<std::pair<int, int>, 4>> kDrawnDigits{
    {"+", {{{1, 1}, {2, 2}, {3, 3}, {4, 4}}}},
    {"-", {{{1, 1}, {2, 2}, {3, 3}, {4, 4}}}},
    {"×", {{{1, 1}, {1, 2}, {1, 3}, {2, 2}}}},
    {"÷", {{{1, 1}, {2, 1}, {3, 1}, {2, 2}}}},
};

int digitCount(std::int32_t number) { return static_cast<int>(std::to_string(number).size()); }
bool hasZeroDigit(std::int32_t number) {
    return std::to_string(number).find('0') != std::string::npos;
}
bool drawnFirstIsOperandA(const std::string& sign) { return sign == "+" || sign == "×"; }

// The two drawn numbers of the current question: the first, then the second term.
std::pair<std::int32_t, std::int32_t> drawnPair(const TrainingState& state) {
    return {drawnFirstIsOperandA(state.currentOperator) ? state.operandA : state.operandC,
            state.operandB};
}

// Checks one drawn number: its digit count, no zero digit, not 10^(digits - 1) or less.
::testing::AssertionResult isAbacusFriendly(std::int32_t number, int digits) {
    int smallest = 1;
    for (int i = 1; i < digits; ++i) smallest *= 10;
    if (digitCount(number) == digits && !hasZeroDigit(number) && number > smallest) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << number << " as a " << digits << "-digit number";
}

// Checks the current question against the rules of its operator.
::testing::AssertionResult isWellFormed(const TrainingState& state) {
    const auto& sign = state.currentOperator;
    const auto [digitsFirst, digitsSecond] = kDrawnDigits.at(sign).at(state.digitsIndex);
    const auto [first, second] = drawnPair(state);
    if (auto ok = isAbacusFriendly(first, digitsFirst); !ok) return ok;
    if (auto ok = isAbacusFriendly(second, digitsSecond); !ok) return ok;
    const std::int32_t a = state.operandA, b = state.operandB, c = state.operandC;
    const bool holds = (sign == "+" && c == a + b && a != b) || (sign == "-" && a == b + c) ||
                       (sign == "×" && c == a * b && a != b) ||
                       (sign == "÷" && a == b * c && a % b == 0);
    if (holds) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << sign << b << "=" << c;
}

TEST_F(QuestionDrawing, EveryModeAndDigitCountDrawsZeroFreeNumbersOfItsDigits) {
    bool computedTermHadZero = false;
    for (int mode = 0; mode < 7; ++mode) {
        std::map<std::string, int> operatorCounts;
        for (int digits = 0; digits < 4; ++digits) {
            form.Combo1.listIndex = mode;
            form.Combo2.listIndex = digits;
            for (int i = 0; i < 2000; ++i) {
                drawNextQuestion(trainer.window);
                ASSERT_TRUE(isWellFormed(state)) << "mode " << mode << ", digits " << digits + 1;
                ASSERT_EQ(form.Label12.caption(), state.currentOperator);
                const std::int32_t computed =
                    drawnFirstIsOperandA(state.currentOperator) ? state.operandC : state.operandA;
                computedTermHadZero = computedTermHadZero || hasZeroDigit(computed);
                ++operatorCounts[state.currentOperator];
            }
        }
        EXPECT_EQ(state.modeOperators, kModeTexts[mode]);
        EXPECT_EQ(form.Label14.caption(), "=");
        const auto& allowed = kModeOperators[mode];
        EXPECT_EQ(operatorCounts.size(), allowed.size()) << "mode " << kModeTexts[mode];
        for (const auto& sign : allowed) {
            EXPECT_NEAR(operatorCounts[sign], 8000 / allowed.size(), 400) << sign;
        }
    }
    EXPECT_TRUE(computedTermHadZero) << "sums, minuends, products may hold a 0";
}

TEST_F(QuestionDrawing, NoQuestionRepeatsANumberOfTheTwoBeforeItAlsoAcrossRuns) {
    std::deque<QuestionHistorySlot> recent;
    for (int run = 0; run < 40; ++run) {
        trainer.random.randomize();
        form.Combo1.listIndex = run % 7;
        form.Combo2.listIndex = run % 2;
        for (int question = 0; question < 50; ++question) {
            drawNextQuestion(trainer.window);
            const std::int32_t first = drawnPair(state).first;
            for (const QuestionHistorySlot& before : recent) {
                const std::int32_t sameNamed =
                    drawnFirstIsOperandA(state.currentOperator) ? before.operandA : before.operandC;
                ASSERT_NE(state.operandB, before.operandB) << "run " << run << " q " << question;
                ASSERT_NE(first, sameNamed) << "run " << run << " q " << question;
            }
            recent.push_back({state.operandA, state.operandB, state.operandC});
            if (recent.size() > 2) recent.pop_front();
        }
    }
}

TEST_F(QuestionDrawing, FillInBlanksAnyOfTheThreeTermsAndNormalQuestionsTheResult) {
    std::map<int, int> positions;
    state.fillBlankMode = "1";
    for (int i = 0; i < 3000; ++i) {
        drawNextQuestion(trainer.window);
        ++positions[state.blankPosition];
    }
    ASSERT_EQ(positions.size(), 3u);
    for (int position = 1; position <= 3; ++position) EXPECT_NEAR(positions[position], 1000, 150);

    state.fillBlankMode = "";
    for (int i = 0; i < 1000; ++i) {
        drawNextQuestion(trainer.window);
        ASSERT_EQ(state.blankPosition, 1);
    }
}

std::uint64_t frozenClock() { return 42; }

// How many of `questions` questions drawn in mode "+-" ask for an addition.
int additionsAmong(WindowContext& window, int questions) {
    window.form.Combo1.listIndex = 2;
    int additions = 0;
    for (int i = 0; i < questions; ++i) {
        drawNextQuestion(window);
        additions += window.state.currentOperator == "+";
    }
    return additions;
}

TEST_F(QuestionDrawing, PlusMinusQuestionsWithinOneClockTickUseBothOperatorsEqually) {
    trainer.random = UniformRandom(5, &frozenClock);
    EXPECT_NEAR(additionsAmong(trainer.window, 2000), 1000, 200) << "one frozen clock reading";
    trainer.random = UniformRandom(5);
    EXPECT_NEAR(additionsAmong(trainer.window, 2000), 1000, 200) << "the steady clock";
}

TEST_F(ScriptedDrawing, OnlyPlusMinusSeedsFromTheClockBeforeEachOperatorDraw) {
    form.Combo1.listIndex = 2;
    random.script({0.2f, 0.7f});
    ysfh(window);
    EXPECT_EQ(state.currentOperator, "+");
    ysfh(window);
    EXPECT_EQ(state.currentOperator, "-");
    EXPECT_EQ(random.seedings, 2);

    form.Combo1.listIndex = 6;
    random.script({0.1f, 0.3f, 0.6f, 0.9f});
    for (const char* sign : {"+", "-", "×", "÷"}) {
        ysfh(window);
        EXPECT_EQ(form.Label12.caption(), sign);
    }
    form.Combo1.listIndex = 3;
    ysfh(window);
    EXPECT_EQ(state.currentOperator, "×");
    EXPECT_EQ(random.seedings, 2);
    EXPECT_EQ(random.unused(), 0u);
}

TEST_F(QuestionDrawing, BlankTextFollowsTheDigitCountUnlessOnlyBeadsAreShown) {
    const std::array<std::string, 4> expected{"(  )", "(   )", "(    )", "(     )"};
    for (const char* display : {"珠心算", "心算", "珠算"}) {
        form.Label16.setCaption(display);
        for (int digits = 0; digits < 4; ++digits) {
            state.digitsIndex = static_cast<std::int16_t>(digits);
            khws(trainer.window);
            const std::string want = std::string(display) == "珠算" ? "" : expected[digits];
            EXPECT_EQ(state.blankText, want) << display << ' ' << digits;
            EXPECT_EQ(state.blankTextCopy, want);
        }
    }
}

}  // namespace
