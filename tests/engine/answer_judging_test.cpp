// Judging the question line as shown: every operator with its blank in each position,
// right and wrong, the corrections, untouched blanks and a zero divisor.

#include "engine/answer_judging.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/loaded_trainer.h"

namespace {

struct JudgingCase {
    const char* sign;
    std::int16_t blankPosition;
    const char* first;
    const char* second;
    const char* result;
    const char* expectedCorrection;  // "" for a right answer
};

const std::vector<JudgingCase> kJudgingCases{
    {"+", 1, "12", "19", "31", ""},
    {"+", 1, "12", "19", "30", "  (31 )"},
    {"+", 2, "12", "19", "31", ""},
    {"+", 2, "12", "18", "31", "  (19 )"},
    {"+", 3, "12", "19", "31", ""},
    {"+", 3, "13", "19", "31", "  (12 )"},
    {"-", 1, "22", "7", "15", ""},
    {"-", 1, "22", "7", "16", "  (15 )"},
    {"-", 2, "22", "7", "15", ""},
    {"-", 2, "22", "8", "15", "  (7 )"},
    {"-", 3, "22", "7", "15", ""},
    {"-", 3, "21", "7", "15", "  (22 )"},
    {"×", 1, "6", "14", "84", ""},
    {"×", 1, "6", "14", "48", "  (84 )"},
    {"×", 2, "6", "14", "84", ""},
    {"×", 2, "6", "41", "84", "  (14 )"},
    {"×", 3, "6", "14", "84", ""},
    {"×", 3, "7", "14", "84", "  (6 )"},
    {"÷", 1, "84", "7", "12", ""},
    {"÷", 1, "84", "7", "21", "  (12 )"},
    {"÷", 2, "84", "7", "12", ""},
    {"÷", 2, "84", "6", "12", "  (7 )"},
    {"÷", 3, "84", "7", "12", ""},
    {"÷", 3, "48", "7", "12", "  (84 )"},
    // Untouched blanks read 0, and in the vertical layout given terms carry a trailing blank.
    {"+", 1, "12", "19", "  ", "  (31 )"},
    {"-", 2, "22 ", "(   )", "15 ", "  (7 )"},
    {"×", 3, "", "14 ", "84 ", "  (6 )"},
    {"÷", 2, "84", "(  )", "12", "  (7 )"},
    {"÷", 2, "84", "0", "12", "  (7 )"},
};

using AnswerJudging = LoadedTrainer;

TEST_F(AnswerJudging, EveryOperatorAndBlankIsJudgedOnTheCaptionsWithItsCorrection) {
    for (const JudgingCase& example : kJudgingCases) {
        const bool right = std::string(example.expectedCorrection).empty();
        state.currentOperator = example.sign;
        state.blankPosition = example.blankPosition;
        form.Label11.setCaption(example.first);
        form.Label13.setCaption(example.second);
        form.Label15.setCaption(example.result);
        const std::int16_t rightBefore = state.rightCount;
        const std::int16_t wrongBefore = state.wrongCount;

        pddc(trainer.window);

        const std::string question = std::string(example.first) + example.sign + example.second +
                                     "=" + example.result + " blank " +
                                     std::to_string(example.blankPosition);
        EXPECT_EQ(state.lastVerdict, right ? "√" : "×") << question;
        EXPECT_EQ(state.correctionText, example.expectedCorrection) << question;
        EXPECT_EQ(state.rightCount, rightBefore + (right ? 1 : 0)) << question;
        EXPECT_EQ(state.wrongCount, wrongBefore + (right ? 0 : 1)) << question;
        EXPECT_EQ(state.judgedSecondText, example.second);
    }
    EXPECT_EQ(form.Label34.caption(), std::to_string(state.rightCount));
    EXPECT_EQ(form.Label24.caption(), std::to_string(state.wrongCount));
}

}  // namespace
