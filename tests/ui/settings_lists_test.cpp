// The settings lists: choosing an item, typing into an edit field, and the layout rules
// the choices enforce.

#include <gtest/gtest.h>

#include "support/loaded_trainer.h"

namespace {

using SettingsLists = LoadedTrainer;

TEST_F(SettingsLists, FiveQuestionsWhileIdleForceSingleColumnFromAnyLayout) {
    for (const char* layout : {"双  列", "竖  式", "单  列"}) {
        form.Command8.setCaption(layout);
        trainer.choose("Combo3", 0);
        EXPECT_EQ(form.Command8.caption(), "单  列") << "from " << layout;
        EXPECT_EQ(form.Label4.caption(), "5");
        EXPECT_EQ(form.Label25.caption(), "5");
    }
    form.Command8.setCaption("竖  式");
    trainer.choose("Combo3", 10);
    EXPECT_EQ(form.Command8.caption(), "竖  式") << "other counts keep the layout";
    EXPECT_EQ(form.Label4.caption(), "100");
    EXPECT_EQ(state.countIndex, 10);
}

TEST_F(SettingsLists, CountListDoesNothingDuringARun) {
    state.appState = 0;
    form.Command8.setCaption("竖  式");
    trainer.choose("Combo3", 0);
    EXPECT_EQ(form.Label4.caption(), "20");
    EXPECT_EQ(form.Command8.caption(), "竖  式");
    EXPECT_EQ(state.countIndex, 2);
}

TEST_F(SettingsLists, FourOperationModeLeavesOnlyTheVerticalLayout) {
    form.Command8.setCaption("竖  式");
    trainer.choose("Combo1", 6);
    EXPECT_EQ(form.Command8.caption(), "双  列");
    EXPECT_EQ(state.modeIndex, 6);

    for (const char* layout : {"单  列", "双  列"}) {
        form.Command8.setCaption(layout);
        trainer.choose("Combo1", 6);
        EXPECT_EQ(form.Command8.caption(), layout);
    }
    form.Command8.setCaption("竖  式");
    trainer.choose("Combo1", 5);
    EXPECT_EQ(form.Command8.caption(), "竖  式");
}

TEST_F(SettingsLists, TypingIntoAnEditFieldDeselectsTheListUntilAnItemIsChosen) {
    trainer.type("Combo2", "abc");
    EXPECT_EQ(form.Combo2.listIndex, -1);
    EXPECT_EQ(form.Combo2.caption(), "abc");
    trainer.choose("Combo2", 3);
    EXPECT_EQ(form.Combo2.listIndex, 3);
    EXPECT_EQ(form.Combo2.caption(), "4");
}

TEST_F(SettingsLists, ChoicesOutsideTheListAreIgnored) {
    trainer.choose("Combo4", 11);
    trainer.choose("Combo4", -1);
    EXPECT_EQ(form.Combo4.listIndex, 5);
    EXPECT_EQ(form.Combo4.caption(), "60");
}

}  // namespace
