// The soak's rules hold while a window is used as a child would use it, and each one speaks
// up when the window is bent out of shape by hand: a soak that finds nothing has checked
// something.

#include "soak_invariants.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/run_driver.h"

namespace {

// Success when a rule broke and its message holds `words`.
::testing::AssertionResult brokeWith(const std::optional<std::string>& breach,
                                     const std::string& words) {
    if (!breach) return ::testing::AssertionFailure() << "no rule broke";
    if (breach->find(words) == std::string::npos) {
        return ::testing::AssertionFailure()
               << "the message '" << *breach << "' lacks '" << words << "'";
    }
    return ::testing::AssertionSuccess();
}

class SoakRules : public RunDriver {
  protected:
    void SetUp() override {
        RunDriver::SetUp();
        checker.emplace(trainer.window);
    }
    // The first broken rule after an event other than the clear button between runs.
    std::optional<std::string> broken() { return checker->check(trainer.window, false); }
    void startExamOfFive() {
        trainer.choose("Combo3", 0);
        trainer.click("Command4");
    }

    std::optional<InvariantChecker> checker;
};

TEST_F(SoakRules, HoldThroughAnExamItsReportAndTheClearButton) {
    startExamOfFive();
    EXPECT_EQ(broken(), std::nullopt);
    answer(rightAnswer());
    EXPECT_EQ(broken(), std::nullopt);
    answer(wrongAnswer());
    EXPECT_EQ(broken(), std::nullopt);
    for (int question = 0; question < 3; ++question) answer(rightAnswer());
    EXPECT_EQ(state.appState, 1);
    EXPECT_EQ(broken(), std::nullopt);

    trainer.click("Command2");
    ASSERT_TRUE(records().empty());
    EXPECT_EQ(checker->check(trainer.window, true), std::nullopt);
    startExamOfFive();
    EXPECT_EQ(broken(), std::nullopt);
}

TEST_F(SoakRules, SpeakUpWhenTheRecordListLosesOrChangesALine) {
    startExamOfFive();
    answer(rightAnswer());
    ASSERT_EQ(broken(), std::nullopt);
    ASSERT_EQ(records().size(), 2u);

    const std::string first = form.List1.items[0];
    form.List1.items[0] = "这是第9 次答题！";
    EXPECT_TRUE(brokeWith(broken(), "record line 1 changed"));
    form.List1.items[0] = first;

    const std::string last = form.List1.items.back();
    form.List1.items.pop_back();
    EXPECT_TRUE(brokeWith(broken(), "shrank from 2 to 1"));
    form.List1.items.push_back(last);
    EXPECT_EQ(broken(), std::nullopt);

    // Only the clear button between runs may empty the list, and only empty it.
    form.List1.clearItems();
    EXPECT_TRUE(brokeWith(broken(), "shrank from 2 to 0"));
    form.List1.items = {first};
    EXPECT_TRUE(brokeWith(checker->check(trainer.window, true), "shrank"));
    form.List1.items = {first, last, "\xE8\xB1"};
    EXPECT_TRUE(brokeWith(broken(), "record line 3 is not valid UTF-8"));
}

TEST_F(SoakRules, SpeakUpWhenTheCountersOfARunOrTheirLabelsDisagree) {
    startExamOfFive();
    answer(wrongAnswer());
    ASSERT_EQ(broken(), std::nullopt);

    ++state.remainingCount;
    EXPECT_TRUE(brokeWith(broken(), "remainingCount 5 is not questionTotal 5"));
    --state.remainingCount;

    ++state.rightCount;
    EXPECT_TRUE(brokeWith(broken(), "exam: rightCount 1 + wrongCount 1"));
    --state.rightCount;
    state.examMode = "1";
    EXPECT_TRUE(brokeWith(broken(), "practice: rightCount 0 is not answeredCount 1"));
    state.examMode = "0";
    EXPECT_EQ(broken(), std::nullopt);

    for (Element* label : {&form.Label4, &form.Label32, &form.Label25, &form.Label34, &form.Label24,
                           &form.Label26}) {
        const std::string shown = label->caption();
        label->setCaption("7");
        EXPECT_TRUE(brokeWith(broken(), label->name + " shows '7'"));
        label->setCaption(shown);
    }
    EXPECT_EQ(broken(), std::nullopt);
}

TEST_F(SoakRules, SpeakUpAboutScoresKeysSizesAndTexts) {
    state.score = 101;
    EXPECT_TRUE(brokeWith(broken(), "score 101 outside 0..100"));
    state.score = -1;
    EXPECT_TRUE(brokeWith(broken(), "score -1"));
    state.score = 0;

    for (int key = 0; key < 10; ++key) form.Command1[key].setCaption(std::to_string(key));
    EXPECT_TRUE(brokeWith(broken(), "no run is in progress but the keys show"));
    startExamOfFive();
    form.Command1[9].setCaption("返回");
    EXPECT_TRUE(brokeWith(broken(), "the keys do not show their digits"));
    form.Command1[9].setCaption("9");
    state.runActive = "0";
    EXPECT_TRUE(brokeWith(broken(), "appState 0 with runActive '0'"));
    state.runActive = "1";
    EXPECT_EQ(broken(), std::nullopt);

    form.Shape2.width = -1;
    EXPECT_TRUE(brokeWith(broken(), "Shape2 has width -1"));
    form.Shape2.width = 0;
    about.Label3.setCaption("珠\xE5\xBF");
    EXPECT_TRUE(brokeWith(broken(), "Label3 has a caption that is not valid UTF-8"));
    about.Label3.setCaption("珠心算");
    EXPECT_EQ(broken(), std::nullopt);

    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    trainer.close();
    ASSERT_TRUE(trainer.window.closed);
    form.Form1_main.visible = true;
    EXPECT_TRUE(brokeWith(broken(), "closed but is still shown"));
}

TEST_F(SoakRules, ThePauseAfterAChainsAnswerHoldsItsButtonItsMarkAndItsChain) {
    DrillForm& room = trainer.window.drill;
    const DrillState& drill = trainer.window.drillState;
    dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, "闪电心算…"});
    trainer.click("drill.Command1");
    for (int tick = 0; tick < 20 && drill.phase != ChainPhase::Answering; ++tick) {
        trainer.tick("drill.Timer1");
        EXPECT_EQ(broken(), std::nullopt);
    }
    trainer.type("drill.Text1", "1");
    trainer.click("drill.Command2");
    ASSERT_EQ(drill.phase, ChainPhase::Paused);
    EXPECT_EQ(broken(), std::nullopt);

    room.Timer1.enabled = true;
    EXPECT_TRUE(brokeWith(broken(), "the flash timer runs outside a flashed chain"));
    room.Timer1.enabled = false;
    room.Label8.visible = false;
    EXPECT_TRUE(brokeWith(broken(), "lacks the chain with its total or its mark"));
    room.Label8.visible = true;
    room.Command2.setCaption("确定");
    EXPECT_TRUE(brokeWith(broken(), "the pause lacks it"));
    room.Command2.setCaption(kNextButton);
    EXPECT_EQ(broken(), std::nullopt);

    trainer.click("drill.Command2");
    EXPECT_EQ(drill.phase, ChainPhase::Ready);
    EXPECT_EQ(broken(), std::nullopt);
}

TEST_F(SoakRules, TheBeadBoardStaysOnTheWayFromTheFirstTermToTheAnswer) {
    DrillForm& room = trainer.window.drill;
    dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, "拨珠练习…"});
    trainer.click("drill.Lower2(3)");
    EXPECT_EQ(broken(), std::nullopt);
    room.Lower[2][3].setCaption("1");
    EXPECT_TRUE(brokeWith(broken(), "drill.Board shows '2000' but its beads show 3000"));
    room.Lower[2][3].setCaption("0");
    room.Lower[0][3].setCaption("0");
    EXPECT_TRUE(brokeWith(broken(), "lower bead 2 of rod 3 is at the beam but the bead below"));
    room.Lower[0][3].setCaption("1");

    trainer.click("drill.Command1");
    EXPECT_EQ(broken(), std::nullopt);
    const BeadDrillState& beads = trainer.window.drillState.beads;
    const int answer = beads.first + beads.second;  // 直加 adds
    room.Upper[6].setCaption("1");
    room.Board.setCaption(std::to_string(5000000 + beads.first));
    EXPECT_TRUE(brokeWith(broken(), "off the way from " + std::to_string(beads.first) + " to " +
                                        std::to_string(answer)));
    room.Upper[6].setCaption("0");
    room.Board.setCaption(std::to_string(beads.first));
    EXPECT_EQ(broken(), std::nullopt);
    room.Lower[3][6].marked = true;  // rod 6 is no rod of a two-digit 直加 question
    EXPECT_TRUE(brokeWith(broken(), "drill.Lower4(6) is marked but the step being worked"));
    trainer.click("drill.Command1");  // stopping the set takes every mark off
    EXPECT_EQ(broken(), std::nullopt);
    room.Upper[0].marked = true;
    EXPECT_TRUE(brokeWith(broken(), "drill.Upper(0) is marked"));
}

}  // namespace
