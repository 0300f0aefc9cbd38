// Whole runs driven through the window: practice retries, practice overtime, many runs in a
// row, a long run nobody answers, and a learner name far longer than any screen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/run_button.h"
#include "support/run_driver.h"

namespace {

using Clips = std::vector<std::int16_t>;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

class Run : public RunDriver {
  protected:
    // The mode key of the keypad menu switches to practice between runs.
    void choosePractice() { state.examMode = "1"; }
    void tickQuestionTimer(int times = 1) {
        for (int i = 0; i < times; ++i) trainer.tick("Timer2");
    }
    std::string questionShown() const {
        return form.Label11.caption() + form.Label12.caption() + form.Label13.caption();
    }
    // Key clicks for each digit of `number`, then the given clips.
    static Clips clicksThen(std::int32_t number, Clips after) {
        Clips clips(std::to_string(number).size(), 102);
        clips.insert(clips.end(), after.begin(), after.end());
        return clips;
    }
};

TEST_F(Run, PracticeLogsAWrongAttemptAndPutsTheQuestionBackUntilItIsRight) {
    trainer.choose("Combo3", 0);
    choosePractice();
    trainer.click("Command4");
    newSounds();
    const std::string question = questionShown();
    const std::int32_t wrong = wrongAnswer();
    const std::int32_t right = rightAnswer();

    answer(wrong);
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records().back(), "*1)  " + question + "=" + std::to_string(wrong) + "      ×");
    EXPECT_EQ(newSounds(), clicksThen(wrong, {104, 103}));
    EXPECT_EQ(form.Label15.caption(), "  ");
    EXPECT_EQ(questionShown(), question);
    EXPECT_EQ(state.wrongCount, 1);
    EXPECT_EQ(form.Label24.caption(), "1");
    EXPECT_EQ(state.answeredCount, 0);
    EXPECT_EQ(state.practiceWrongTag, "练习时答错1次");
    EXPECT_TRUE(form.Timer2.enabled);
    EXPECT_TRUE(form.Command1[0].enabled);
    EXPECT_EQ(form.focus, &form.Command3);

    // "确定" on the restored blank only disables itself.
    trainer.click("Command3");
    EXPECT_FALSE(form.Command3.enabled);
    EXPECT_EQ(records().size(), 2u);
    EXPECT_TRUE(newSounds().empty());

    answer(right);
    ASSERT_EQ(records().size(), 3u);
    EXPECT_EQ(records().back(),
              " 1)  " + question + "=" + std::to_string(right) + "      √练习时答错1次");
    EXPECT_EQ(newSounds(), clicksThen(right, {105}));
    EXPECT_EQ(state.rightCount, 1);
    EXPECT_EQ(state.wrongCount, 1);
    EXPECT_EQ(state.answeredCount, 1);
    EXPECT_EQ(form.Label26.caption(), "20");
    EXPECT_EQ(state.practiceWrongTag, "");
    EXPECT_NE(questionShown(), question);
    EXPECT_EQ(form.Label15.caption(), "  ");
}

TEST_F(Run, PracticeOvertimeBlinksAndSoundsEachWarningClipOnceARunEvenWithCuesOff) {
    trainer.choose("Combo4", 0);
    trainer.click("Command5");
    choosePractice();
    trainer.click("Command4");
    EXPECT_TRUE(newSounds().empty());

    const int bar[] = {838, 1677, 2516, 3354, 4192, 5031, 5870, 6708, 7546};
    for (const int width : bar) {
        tickQuestionTimer();
        EXPECT_EQ(form.Shape2.width, width);
        EXPECT_FALSE(form.Label8.visible);
    }
    tickQuestionTimer();
    EXPECT_EQ(form.Shape2.width, 8385);
    EXPECT_TRUE(form.Shape2.visible);
    EXPECT_FALSE(form.Label8.visible);
    EXPECT_EQ(state.answeredCount, 0);
    EXPECT_TRUE(newSounds().empty());

    for (int over = 1; over <= 10; ++over) {
        tickQuestionTimer();
        EXPECT_FALSE(form.Shape2.visible);
        EXPECT_TRUE(form.Label8.visible);
        EXPECT_EQ(form.Label8.caption(), "小家伙，你已经超时了" + std::to_string(over) + "秒！");
        EXPECT_EQ(form.Label8.foreColor, over % 2 == 1 ? kRed : kBlue) << over;
        EXPECT_EQ(newSounds(), over == 1 ? Clips{106} : Clips{}) << over;
    }
    for (int over = 11; over <= 15; ++over) {
        tickQuestionTimer();
        EXPECT_EQ(form.Label8.caption(), "喂！小家伙，你已经严重超时了！");
        EXPECT_EQ(form.Label8.foreColor, over % 2 == 1 ? kRed : kBlue) << over;
        EXPECT_EQ(newSounds(), over == 11 ? Clips{102} : Clips{}) << over;
    }

    // The next question starts with an empty bar and no warning, and running over again
    // brings the warnings back without either clip.
    answer(rightAnswer());
    EXPECT_FALSE(form.Label8.visible);
    EXPECT_TRUE(form.Shape2.visible);
    EXPECT_EQ(form.Shape2.width, 0);
    tickQuestionTimer(25);
    EXPECT_EQ(form.Label8.caption(), "喂！小家伙，你已经严重超时了！");
    EXPECT_TRUE(newSounds().empty());
}

TEST_F(Run, RunClockPassesTheMinuteAndTheHourAndTheReportPrintsIt) {
    trainer.click("Command4");
    const auto secondLater = [&] {
        trainer.clock.advance(1);
        for (int tick = 0; tick < 10; ++tick) trainer.tick("Timer1");
    };
    trainer.tick("Timer1");
    EXPECT_EQ(form.Label27.caption(), "0:00:01");
    for (int second = 2; second <= 59; ++second) secondLater();
    EXPECT_EQ(form.Label27.caption(), "0:00:59");
    secondLater();
    EXPECT_EQ(form.Label27.caption(), "0:01:00");
    EXPECT_EQ(state.elapsedText, "0:1:0");
    for (int second = 61; second <= 3600; ++second) secondLater();
    EXPECT_EQ(form.Label27.caption(), "1:00:00");
    trainer.click("Command4");
    EXPECT_EQ(records()[10], "你共用时间－－1:00:00");
}

TEST_F(Run, TwentyRunsStoppedAtOnceEachReportNothingAnsweredAndBringTheBeadStylesRound) {
    for (int run = 1; run <= 20; ++run) {
        // The report locks the button until the record list is left with the keypad menu;
        // its handler is called directly here, to start the run and to stop it at once.
        Command4_Click(trainer.window);
        ASSERT_EQ(form.Command4.caption(), "中  止") << run;
        Command4_Click(trainer.window);
        EXPECT_EQ(state.runActive, "0");
        EXPECT_EQ(form.Command4.caption(), "出  题");
        const std::string expectedStyle = std::to_string(run % 20 + 1);
        EXPECT_EQ(state.beadStyle1, expectedStyle) << run;
        EXPECT_EQ(state.beadStyle2, expectedStyle) << run;
        EXPECT_EQ(state.beadStyle3, expectedStyle) << run;
    }
    ASSERT_EQ(records().size(), 20u * 13u);
    const std::vector<std::string> lastRun(records().end() - 13, records().end());
    EXPECT_EQ(lastRun[0], "这是第20 次答题！由豆 豆完成！");
    EXPECT_EQ(lastRun[6], "你实际答题－－0道");
    EXPECT_EQ(lastRun[9], "你答题得分－－0分");
    EXPECT_EQ(lastRun[10], "你共用时间－－0:00:00");
    EXPECT_TRUE(form.List1.visible);
    EXPECT_TRUE(trainer.dialogs.shown.empty());
    for (const std::int16_t clip : trainer.sound.played) EXPECT_NE(clip, 111);
}

TEST_F(Run, HundredQuestionsLeftToTheShortestLimitAreAllLoggedInOrder) {
    trainer.choose("Combo3", 10);
    trainer.choose("Combo4", 0);
    trainer.click("Command4");
    tickQuestionTimer(100 * 10 + 5);

    ASSERT_EQ(records().size(), 1u + 100u + 12u);
    for (int number = 1; number <= 100; ++number) {
        const std::string& line = records()[static_cast<std::size_t>(number)];
        EXPECT_EQ(line.rfind(" " + std::to_string(number) + ")  ", 0), 0u) << line;
        EXPECT_NE(line.find("=        ×  ("), std::string::npos) << line;
    }
    EXPECT_EQ(records()[106], "你实际答题－－100道");
    EXPECT_EQ(records()[108], "你总共答错－－100道");
    EXPECT_EQ(records()[109], "你答题得分－－0分");
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_EQ(form.Label25.caption(), "0");
}

TEST_F(Run, AnEnormousNameIsRecordedWholeAndShortenedOnlyInThePraise) {
    std::string name;
    for (int i = 0; i < 10000; ++i) name += i % 2 == 0 ? "星" : "😀";
    trainer.type("Text1", name);
    trainer.choose("Combo3", 0);
    trainer.click("Command4");
    for (int question = 0; question < 5; ++question) answer(rightAnswer());

    EXPECT_EQ(records().front(), "这是第1 次答题！由" + name + "完成！");
    EXPECT_EQ(records()[14], "你答题得分－－100分");
    ASSERT_EQ(trainer.dialogs.shown.size(), 1u);
    std::string shortName;
    for (int i = 0; i < 20; ++i) shortName += i % 2 == 0 ? "星" : "😀";
    EXPECT_EQ(trainer.dialogs.shown[0], shortName + "…，你真棒！这次全部答对，得了100分！");
}

TEST_F(Run, ClosingTheWindowDuringARunEndsEverythingOnYes) {
    trainer.click("Command4");
    answer(rightAnswer());
    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    trainer.close();
    EXPECT_TRUE(trainer.window.closed);
    const std::size_t lines = records().size();
    tickQuestionTimer(200);
    trainer.tick("Timer1");
    trainer.click("Command3");
    EXPECT_EQ(records().size(), lines);
    EXPECT_EQ(state.answeredCount, 1);
}

}  // namespace
