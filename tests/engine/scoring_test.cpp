// After the verdict: the per-cent score over the run's total, the four forms of the record
// line, and the verdict clip.

#include "engine/scoring.h"

#include <gtest/gtest.h>

#include "engine/answer_judging.h"
#include "support/loaded_trainer.h"

namespace {

using Scoring = LoadedTrainer;

TEST_F(Scoring, ScoreIsOverTheWholeTotalWithHalvesToEven) {
    struct Example {
        std::int16_t total, right, score;
    };
    for (const Example& example : {Example{20, 7, 35}, Example{40, 3, 8}, Example{40, 1, 2},
                                   Example{30, 2, 7}, Example{5, 5, 100}, Example{100, 0, 0}}) {
        state.questionTotal = example.total;
        state.rightCount = example.right;
        updateScore(trainer.window);
        EXPECT_EQ(state.score, example.score) << example.right << " of " << example.total;
        EXPECT_EQ(form.Label26.caption(), std::to_string(example.score));
    }
}

TEST_F(Scoring, FirstRightAnswerOfTwentyScoresFive) {
    state.questionTotal = 20;
    state.rightCount = 0;
    state.currentOperator = "+";
    form.Label11.setCaption("12");
    form.Label13.setCaption("5");
    form.Label15.setCaption("17");
    pddc(trainer.window);
    updateScore(trainer.window);
    EXPECT_EQ(form.Label26.caption(), "5");
}

// Puts a judged question on the line: 12 op 5 = L15 with the given verdict and correction.
void showJudged(MainForm& form, TrainingState& state, const char* first, const char* second,
                const char* result, bool right) {
    form.Label11.setCaption(first);
    form.Label12.setCaption("+");
    form.Label13.setCaption(second);
    form.Label15.setCaption(result);
    state.lastVerdict = right ? "√" : "×";
    state.correctionText = right ? "" : "  (17 )";
}

TEST_F(Scoring, RecordLineShowsTheBlankInItsFourForms) {
    state.answeredText = "3";
    state.blankPosition = 1;
    showJudged(form, state, "12", "5", "16", false);
    appendRecordLine(trainer.window);

    form.Command6.setCaption("填  空");
    state.answeredText = "4";
    showJudged(form, state, "12", "5", "17", true);
    appendRecordLine(trainer.window);

    state.answeredText = "5";
    state.blankPosition = 2;
    showJudged(form, state, "12", "5", "17", true);
    state.practiceWrongTag = "练习时答错2次";
    state.practiceWrongCount = 2;
    appendRecordLine(trainer.window);
    EXPECT_EQ(state.practiceWrongTag, "");
    EXPECT_EQ(state.practiceWrongCount, 0);

    state.answeredText = "6";
    state.blankPosition = 3;
    showJudged(form, state, "12", "5", "17", true);
    appendRecordLine(trainer.window);

    EXPECT_EQ(form.List1.items, (std::vector<std::string>{
                                    " 3)  12+5=16      ×  (17 )",
                                    " 4)  12+5=(17)      √",
                                    " 5)  12+(5)=17      √练习时答错2次",
                                    " 6)  (12)+5=17      √",
                                }));
}

TEST_F(Scoring, VerdictClipSoundsOnlyWhileCuesAreOn) {
    state.lastVerdict = "√";
    playVerdictClip(trainer.window);
    state.lastVerdict = "×";
    playVerdictClip(trainer.window);
    state.soundMode = "";
    playVerdictClip(trainer.window);
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{105, 104}));
}

}  // namespace
