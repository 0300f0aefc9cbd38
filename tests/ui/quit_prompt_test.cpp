// Closing the main window: the goodbye cue, the quit question, and what each answer does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/loaded_trainer.h"

namespace {

// Everything a person could see of the main window, as one comparable list.
std::vector<std::string> snapshot(const MainForm& form) {
    std::vector<std::string> lines;
    for (const Element* e : form.elements()) {
        lines.push_back(e->name + "|" + e->caption() + "|" + std::to_string(e->visible) +
                        std::to_string(e->enabled) + "|" + std::to_string(e->left) + "," +
                        std::to_string(e->top) + "," + std::to_string(e->width) + "," +
                        std::to_string(e->height) + "|" + std::to_string(e->listIndex) + "|" +
                        std::to_string(e->items.size()) + "|" + std::to_string(e->interval));
    }
    return lines;
}

using QuitPrompt = LoadedTrainer;

TEST_F(QuitPrompt, NoKeepsTheWindowExactlyAsItWas) {
    trainer.type("Text1", "小明");
    trainer.choose("Combo2", 3);
    const auto before = snapshot(form);
    const std::string modeBefore = state.soundMode;

    trainer.dialogs.queueAnswer(DialogAnswer::No);
    trainer.close();

    EXPECT_FALSE(trainer.window.closed);
    EXPECT_EQ(snapshot(form), before);
    EXPECT_EQ(state.soundMode, modeBefore);
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    EXPECT_EQ(trainer.dialogs.shown[0], "豆豆：你确定要退出吗?");
}

TEST_F(QuitPrompt, UnansweredQuestionCountsAsNo) {
    trainer.close();
    EXPECT_FALSE(trainer.window.closed);
    EXPECT_TRUE(form.Form1_main.visible);
}

TEST_F(QuitPrompt, YesEndsTheProgramAndDropsTheAboutBox) {
    trainer.click("Label31");
    ASSERT_TRUE(about.loaded);
    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    trainer.close();
    EXPECT_TRUE(trainer.window.closed);
    EXPECT_FALSE(form.Form1_main.visible);
    EXPECT_FALSE(about.loaded);
    EXPECT_FALSE(about.help.visible);

    trainer.click("Command5");
    trainer.tick("Timer3");
    EXPECT_EQ(form.Command5.caption(), "关音效") << "a closed window takes no events";
}

TEST_F(QuitPrompt, GoodbyeCuePlaysBeforeTheQuestionOnlyWhileCuesAreOn) {
    trainer.close();
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{110}));

    trainer.sound.played.clear();
    trainer.click("Command5");
    trainer.close();
    EXPECT_TRUE(trainer.sound.played.empty());
    EXPECT_EQ(trainer.dialogs.shown.size(), 2u) << "the question is asked with cues off too";
}

TEST_F(QuitPrompt, CloseKeyBetweenRunsAsksTheSameQuestion) {
    trainer.click("Command3");
    EXPECT_FALSE(trainer.window.closed);
    EXPECT_EQ(trainer.dialogs.shown, (std::vector<std::string>{"豆豆：你确定要退出吗?"}));
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{110}));

    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    trainer.click("Command3");
    EXPECT_TRUE(trainer.window.closed);
}

}  // namespace
