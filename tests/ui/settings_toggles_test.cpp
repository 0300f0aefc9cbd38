// The toggles beside the settings lists: the answer direction against the layout, a huge
// name in the name box, and the clear button in both of its states.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "display/question_layout.h"
#include "support/loaded_trainer.h"

namespace {

using SettingsToggles = LoadedTrainer;

TEST_F(SettingsToggles, ArrowMovesAndDigitBoxesFollowOnlyWithTheNextLayout) {
    state.blankPosition = 1;
    aaa(trainer.window);
    const int arrowLeft = form.Label18.left;
    trainer.click("Label28");
    EXPECT_EQ(state.directionMode, "1");
    EXPECT_EQ(form.Label18.caption(), "←");
    EXPECT_EQ(form.Label18.left, arrowLeft);
    EXPECT_FALSE(form.Labe1.visible);
    aaa(trainer.window);
    EXPECT_EQ(form.Label18.left, form.Label15.left - form.Label18.width);
    EXPECT_TRUE(form.Labe1.visible);
}

TEST_F(SettingsToggles, NameBoxOfTenThousandCharactersBecomesTheDefaultName) {
    trainer.type("Text1", std::string(10000, 'x'));
    trainer.click("Text1");
    EXPECT_EQ(form.Text1.caption(), "豆 豆");
    EXPECT_EQ(state.learnerName, "豆 豆");
    trainer.click("Text1");
    EXPECT_EQ(state.learnerName, "小朋友");
}

TEST_F(SettingsToggles, ClearingWhileIdleEmptiesTheRecordAndRestartsTheNumbering) {
    for (const int lines : {3, 0}) {
        for (int line = 0; line < lines; ++line) form.List1.addItem("第" + std::to_string(line));
        state.runNumber = 4;
        form.Command1[8].setCaption("出卷1");
        form.Command2.enabled = true;
        trainer.click("Command2");
        EXPECT_TRUE(form.List1.items.empty());
        EXPECT_EQ(state.runNumber, 0);
        EXPECT_EQ(form.Command1[8].caption(), "出卷");
        EXPECT_FALSE(form.Frame2.visible);
        EXPECT_FALSE(form.Command2.enabled);
        form.Frame2.visible = true;
    }
    EXPECT_TRUE(trainer.sound.played.empty());
}

TEST_F(SettingsToggles, ClearingDuringARunPutsTheBlankBackForTheNextTry) {
    state.appState = 0;
    state.digitsIndex = 1;
    form.Label16.setCaption("心算");
    struct Case {
        std::int16_t blank;
        const char* fillIn;
        const Element* term;
        const char* shown;
    };
    for (const Case& clear :
         {Case{1, "正  常", &form.Label15, "  "}, Case{1, "填  空", &form.Label15, "(   )"},
          Case{2, "填  空", &form.Label13, "(   )"}, Case{3, "填  空", &form.Label11, "(   )"}}) {
        form.Label11.setCaption("12");
        form.Label12.setCaption("+");
        form.Label13.setCaption("5");
        form.Label15.setCaption("17");
        form.Command6.setCaption(clear.fillIn);
        state.blankPosition = clear.blank;
        state.typedValue = 98;
        state.typedAnswer = "98";
        state.typedDigitCount = 2;
        form.Labe1.setCaption("8");
        form.Labe2.setCaption("9");
        form.Label17.setCaption("98");
        form.Frame2.visible = false;
        for (Element& key : form.Command1) key.enabled = false;
        form.Command2.enabled = true;
        form.Label15.left = 0;

        trainer.click("Command2");
        EXPECT_EQ(clear.term->caption(), clear.shown) << clear.blank << clear.fillIn;
        EXPECT_EQ(state.typedValue, 0);
        EXPECT_EQ(state.typedAnswer, "");
        EXPECT_EQ(state.typedDigitCount, 0);
        EXPECT_EQ(form.Labe1.caption() + form.Labe2.caption() + form.Label17.caption(), "");
        EXPECT_TRUE(form.Frame2.visible);
        for (const Element& key : form.Command1) EXPECT_TRUE(key.enabled);
        EXPECT_EQ(form.Label15.left, form.Label14.left + form.Label14.width) << "laid out again";
        EXPECT_EQ(form.Picture5.picture, clear.blank == 3 ? "A10" : "A12") << "board redrawn";
    }
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{103, 103, 103, 103}));
}

// Typing 7 shows " 7" in the entry, and " 7 " in the blank term of the record line, only for
// fill-in questions in the vertical layout; the other three combinations show plain 7.
TEST(SpacedNumberForm, OnlyFillInVerticalSumsSpaceTheTypedNumber) {
    for (const bool fillIn : {false, true}) {
        for (const bool vertical : {false, true}) {
            SCOPED_TRACE(std::string(fillIn ? "填  空" : "正  常") +
                         (vertical ? " 竖  式" : " 单  列"));
            HeadlessWindow trainer;
            trainer.load();
            if (fillIn) trainer.click("Command6");
            if (vertical) {
                trainer.click("Command8");
                trainer.click("Command8");
            }
            trainer.click("Command4");
            trainer.click("Command1(7)");
            const bool spaced = fillIn && vertical;
            EXPECT_EQ(trainer.window.form.Label17.caption(), spaced ? " 7" : "7");
            trainer.click("Command3");
            const std::string blank = spaced ? " 7 " : "7";
            const std::string& line = trainer.window.form.List1.items.back();
            EXPECT_NE(line.find(fillIn ? "(" + blank + ")" : "=" + blank), std::string::npos)
                << line;
        }
    }
}

// "填  空" clicked between runs makes the next run leave any of the three terms blank;
// "正  常" clicked again leaves only the result blank.
TEST(FillInButton, ClickedDecidesWhichTermsARunLeavesBlank) {
    HeadlessWindow trainer;
    trainer.load();
    const TrainingState& state = trainer.window.state;
    for (const bool fillIn : {true, false}) {
        trainer.click("Command6");
        trainer.click("Command4");
        std::set<int> blanks;
        while (state.appState == 0) {
            blanks.insert(state.blankPosition);
            trainer.click("Command1(1)");
            trainer.click("Command3");
        }
        const std::set<int> expected = fillIn ? std::set<int>{1, 2, 3} : std::set<int>{1};
        EXPECT_EQ(blanks, expected);
        trainer.click("Command1(9)");  // back from the report, so that a run can start
    }
}

}  // namespace
