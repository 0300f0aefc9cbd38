// What the dispatcher lets through: like a person's mouse, nothing reaches a hidden or
// disabled element; timers tick only while running; odd input is kept, not lost.

#include <gtest/gtest.h>

#include "support/loaded_trainer.h"

namespace {

using Dispatch = LoadedTrainer;

TEST_F(Dispatch, DisabledOrHiddenContainersBlockTheirElements) {
    form.Frame4.enabled = false;
    trainer.choose("Combo3", 0);
    EXPECT_EQ(form.Label4.caption(), "20");
    form.Frame4.enabled = true;
    form.Frame4.visible = false;
    trainer.type("Combo1", "x");
    EXPECT_EQ(form.Combo1.listIndex, 2);
    form.Frame4.visible = true;
    trainer.choose("Combo3", 0);
    EXPECT_EQ(form.Label4.caption(), "5");
}

TEST_F(Dispatch, SoundButtonWorksOnAndOffWithTheConfirmingCue) {
    trainer.click("Command5");
    EXPECT_EQ(form.Command5.caption(), "开音效");
    EXPECT_EQ(state.soundMode, "");
    EXPECT_TRUE(trainer.sound.played.empty());
    trainer.click("Command5");
    EXPECT_EQ(form.Command5.caption(), "关音效");
    EXPECT_EQ(state.soundMode, "0");
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{109}));
}

TEST_F(Dispatch, StoppedTimersDoNotTick) {
    form.Timer3.enabled = false;
    trainer.tick("Timer3");
    EXPECT_EQ(form.Label10.caption(), "Label10");
    form.Timer3.enabled = true;
    form.Timer3.interval = 0;
    trainer.tick("Timer3");
    EXPECT_EQ(form.Label10.caption(), "Label10");
}

TEST_F(Dispatch, TypingOnlyReachesTextBoxesAndEditFields) {
    trainer.type("Label16", "x");
    trainer.type("Command4", "x");
    EXPECT_EQ(form.Label16.caption(), "珠心算");
    EXPECT_EQ(form.Command4.caption(), "出  题");
}

TEST_F(Dispatch, NameBoxKeepsEmptyHugeAndEmojiNamesIntact) {
    const std::string huge(10000, 'a');
    for (const std::string& name :
         {std::string(), huge, std::string("豆豆😀🎉"), std::string("  \t ")}) {
        trainer.type("Text1", name);
        EXPECT_EQ(form.Text1.caption(), name);
        EXPECT_EQ(form.Text1.width, 1500) << "the name box keeps its size";
    }
}

TEST_F(Dispatch, EveryWayTheNameBoxNamesAnotherLearnerMakesTheOpenWindowsFollowOnce) {
    std::vector<std::string>& followed = trainer.menuWindows.followed;
    followed.clear();
    trainer.type("Text1", "小明");
    trainer.click("Text1");  // the box's click switches to the default name
    dispatch(trainer.window, Event{EventKind::Pick, {}, -1, "小红"});
    trainer.type("Text1", "小红");  // the same learner again: nothing to follow
    trainer.type("Text1", "   ");   // blanks are kept as the default learner
    trainer.tick("Timer3");
    EXPECT_EQ(followed, (std::vector<std::string>{"小明", state.defaultLearnerName, "小红",
                                                  state.defaultLearnerName}));

    // The practice room follows too: it shows the new learner's own settings.
    trainer.type("Text1", "小红");
    dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, "闪电心算…"});
    trainer.choose("drill.Combo2", 3);
    EXPECT_EQ(trainer.window.drillState.learner, "小红");
    trainer.type("Text1", "小明");
    EXPECT_EQ(trainer.window.drillState.learner, "小明");
    EXPECT_EQ(trainer.window.drill.Combo2.caption(), "1") << "his digits, not hers";
}

TEST_F(Dispatch, UnknownNamesAreIgnored) {
    trainer.click("NoSuchElement");
    trainer.click("Command1(10)");
    trainer.choose("help.NoSuchElement", 1);
    EXPECT_EQ(findElement(trainer.window, "Command1(10)"), nullptr);
    EXPECT_EQ(findElement(trainer.window, "help.Label2"), &about.Label2);
    EXPECT_EQ(findElement(trainer.window, "Command1(3)"), &form.Command1[3]);
}

}  // namespace
