// What the window shows right after start-up, and the return to the idle menu state.

#include "engine/startup.h"

#include <gtest/gtest.h>

#include "support/loaded_trainer.h"

namespace {

using StartUp = LoadedTrainer;

TEST_F(StartUp, SettingsListsArePreselectedAndTheirHandlersRan) {
    EXPECT_EQ(form.Combo1.caption(), "+-");
    EXPECT_EQ(form.Combo1.listIndex, 2);
    EXPECT_EQ(form.Combo2.caption(), "2");
    EXPECT_EQ(form.Combo2.listIndex, 1);
    EXPECT_EQ(form.Combo3.caption(), "20");
    EXPECT_EQ(form.Combo3.listIndex, 2);
    EXPECT_EQ(form.Combo4.caption(), "60");
    EXPECT_EQ(form.Combo4.listIndex, 5);
    EXPECT_EQ(state.modeIndex, 2);
    EXPECT_EQ(state.countIndex, 2);
    EXPECT_EQ(form.Label4.caption(), "20");
    EXPECT_EQ(form.Label25.caption(), "20");
}

TEST_F(StartUp, KeypadIsTheIdleMenu) {
    const char* const captions[10] = {"日历", "打开", "保存", "记录", "颜色",
                                      "字体", "考试", "演示", "出卷", "查看"};
    for (int key = 0; key < 10; ++key) {
        EXPECT_EQ(form.Command1[key].caption(), captions[key]) << "key " << key;
        EXPECT_EQ(form.Command1[key].enabled, key == 6 || key == 8 || key == 9) << "key " << key;
    }
    EXPECT_EQ(form.Command4.caption(), "出  题");
    EXPECT_EQ(form.Command3.caption(), "关闭");
    EXPECT_EQ(form.Command2.caption(), "清  除");
    EXPECT_FALSE(form.Command2.enabled);
}

TEST_F(StartUp, StatusRowNameBoxAndSwitches) {
    EXPECT_EQ(form.Text1.caption(), "豆 豆");
    EXPECT_TRUE(form.Text1.visible);
    EXPECT_TRUE(form.Text1.enabled);
    EXPECT_EQ(form.Label16.caption(), "珠心算");
    EXPECT_EQ(form.Label29.caption(), "考试");
    EXPECT_EQ(form.Label28.caption(), "→");
    EXPECT_EQ(form.Label18.caption(), "→");
    EXPECT_TRUE(form.Label31.enabled);
    EXPECT_NE(form.Label19.caption(), "Label19");
    EXPECT_FALSE(form.List1.visible);
    EXPECT_FALSE(form.Label8.visible);

    EXPECT_EQ(state.soundMode, "0");
    EXPECT_EQ(state.examMode, "0");
    EXPECT_EQ(state.directionMode, "0");
    EXPECT_EQ(state.fillBlankMode, "");
    EXPECT_EQ(state.appState, 1);
    EXPECT_EQ(state.runActive, "0");
    EXPECT_EQ(state.beadLetter, "a");
    EXPECT_EQ(state.beadStyle1, "1");
    EXPECT_EQ(state.defaultLearnerName, "豆 豆");
    EXPECT_EQ(state.learnerTitle, "小朋友");
    EXPECT_TRUE(trainer.sound.played.empty());
}

TEST_F(StartUp, CaptionRowIsLaidOutByMeasuredWidths) {
    EXPECT_GT(form.Label28.width, 0);
    EXPECT_EQ(form.Label16.left, form.Label28.left + form.Label28.width);
    EXPECT_EQ(form.Label29.left, form.Label16.left + form.Label16.width);
}

TEST_F(StartUp, AutoSizeLabelWidthFollowsItsCaption) {
    const int threeCharacters = form.Label16.width;
    form.Label16.setCaption("心算");
    EXPECT_LT(form.Label16.width, threeCharacters);
    form.Label16.setCaption("");
    EXPECT_LT(form.Label16.width, form.Label28.width);
    const int fixedWidth = form.Label19.width;
    form.Label19.setCaption("一行更长的横幅文字，一行更长的横幅文字");
    EXPECT_EQ(form.Label19.width, fixedWidth) << "a label without auto-size keeps its size";
}

TEST_F(StartUp, IdleResetLeavesKeysSixAndSevenAlone) {
    form.Command1[6].setCaption("练习");
    form.Command1[7].setCaption("演示中");
    form.Command1[0].setCaption("0");
    form.List1.visible = true;
    form.Text1.enabled = false;
    state.appState = 0;
    state.runActive = "1";
    qs(trainer.window);
    EXPECT_EQ(form.Command1[6].caption(), "练习");
    EXPECT_EQ(form.Command1[7].caption(), "演示中");
    EXPECT_EQ(form.Command1[0].caption(), "日历");
    EXPECT_FALSE(form.List1.visible);
    EXPECT_TRUE(form.Text1.enabled);
    EXPECT_EQ(state.appState, 1);
    EXPECT_EQ(state.runActive, "0");
    EXPECT_EQ(state.correctionPrefix, "  ");
    EXPECT_EQ(state.logGap, "      ");
}

TEST_F(StartUp, ClockLabelShowsDateAndTimeOnEachTick) {
    trainer.clock.set({2026, 12, 7, 9, 5, 3});
    trainer.tick("Timer3");
    EXPECT_EQ(form.Label10.caption(), "2026-12-7 9:05:03");
    trainer.clock.advance(60 * 60 * 15);
    trainer.tick("Timer3");
    EXPECT_EQ(form.Label10.caption(), "2026-12-8 0:05:03");
}

}  // namespace
