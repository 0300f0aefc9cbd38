// The keyboard of the main window: during a run its digit keys, Enter and Space do exactly
// what clicks on the keypad and "确定" do, and only when those could be clicked; Backspace
// takes back one digit; between runs it presses nothing.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/headless_window.h"

namespace {

std::uint64_t frozenClock() { return 20260901; }

// A trainer whose runs draw the same questions every time.
struct KeyboardTrainer : HeadlessWindow {
    KeyboardTrainer() {
        random = UniformRandom(12345, &frozenClock);
        load();
    }
    void key(const std::string& name, const std::string& window = "Form1_main") {
        dispatch(this->window, Event{EventKind::Key, window, -1, name});
    }
    MainForm& form = window.form;
    TrainingState& state = window.state;
};

TEST(Keyboard, DuringARunKeysGiveTheSameRunAsClicks) {
    KeyboardTrainer typed;
    KeyboardTrainer clicked;
    typed.click("Command4");
    clicked.click("Command4");
    // An answer from the main row submitted with Space; then one from the number pad with
    // Enter.
    for (const char* key : {"4", "7", "space", "KP_1", "KP_9", "KP_Enter"}) {
        typed.key(key);
        const std::string name = key;
        if (name == "space" || name == "KP_Enter") {
            clicked.click("Command3");
        } else {
            clicked.click("Command1(" + name.substr(name.size() - 1) + ")");
        }
        EXPECT_EQ(typed.form.Label17.caption(), clicked.form.Label17.caption()) << "after " << key;
        EXPECT_EQ(typed.state.typedValue, clicked.state.typedValue) << "after " << key;
    }
    EXPECT_EQ(typed.state.answeredCount, 2);
    EXPECT_EQ(typed.form.List1.items, clicked.form.List1.items);
    EXPECT_EQ(typed.form.List1.items.size(), 3u) << "the header and two question lines";
    EXPECT_EQ(typed.sound.played, clicked.sound.played);
    EXPECT_EQ(typed.form.Label11.caption(), clicked.form.Label11.caption());
}

TEST(Keyboard, DuringARunKeysPressOnlyWhatCouldBeClicked) {
    KeyboardTrainer trainer;
    trainer.click("Command4");
    trainer.key("Return");  // nothing typed yet: "确定" is disabled
    EXPECT_EQ(trainer.state.answeredCount, 0);

    // Two-digit questions take at most three digits; then the keypad is locked.
    for (const char* digit : {"1", "2", "3", "4"}) trainer.key(digit);
    EXPECT_EQ(trainer.state.typedDigitCount, 3);
    EXPECT_EQ(trainer.state.typedValue, 123);

    // Keys without a button, keys of the about box and odd names press nothing.
    const auto sounds = trainer.sound.played.size();
    for (const char* other : {"A", "10", "", " ", "Escape", "Tab", "KP_", "-1"}) trainer.key(other);
    trainer.key("5", "help");
    EXPECT_EQ(trainer.state.typedValue, 123);
    EXPECT_EQ(trainer.sound.played.size(), sounds);

    // Taking back the third digit unlocks the keypad for another.
    trainer.key("BackSpace");
    trainer.key("8");
    EXPECT_EQ(trainer.state.typedValue, 128);
}

TEST(Keyboard, BetweenRunsNoKeyPressesAnything) {
    KeyboardTrainer trainer;
    trainer.form.List1.addItem("这是第1 次答题！由豆 豆完成！");
    trainer.form.Command2.enabled = true;  // as while the record list is on view
    for (const char* key : {"0", "KP_6", "8", "9", "Return", "space", "BackSpace"})
        trainer.key(key);
    EXPECT_TRUE(trainer.form.Label19.visible) << "no keypad key was pressed";
    EXPECT_TRUE(trainer.dialogs.shown.empty()) << "\"关闭\" was not pressed";
    EXPECT_FALSE(trainer.window.closed);
    EXPECT_EQ(trainer.form.List1.items.size(), 1u) << "\"清  除\" was not pressed";
    EXPECT_TRUE(trainer.sound.played.empty());

    // After a run has ended with its report the keyboard is idle again.
    trainer.click("Command4");
    trainer.click("Command4");
    ASSERT_EQ(trainer.form.Command4.caption(), "出  题");
    const auto lines = trainer.form.List1.items.size();
    trainer.form.Label19.visible = true;
    EXPECT_EQ(trainer.form.focus, &trainer.form.List1) << "the arrow keys read the report";
    for (const char* key : {"3", "Return", "space", "BackSpace"}) trainer.key(key);
    EXPECT_TRUE(trainer.form.Label19.visible);
    EXPECT_FALSE(trainer.window.closed);
    EXPECT_EQ(trainer.form.List1.items.size(), lines);
}

}  // namespace
