// 听心算 in the practice room: the chain is read text by text in slots that never cut a reading,
// the room shows only "请听" and "？", the sound cues' switch leaves the reading alone, and a
// machine without an audio device is told so instead of starting.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "flash/chain_set.h"
#include "flash/flash_chain.h"
#include "listening/chain_speech.h"
#include "listening/drill/listening_settings.h"
#include "listening/drill/reading_pace.h"
#include "listening/speaking_rate.h"
#include "model/speech_length.h"
#include "support/loaded_trainer.h"

namespace {

constexpr char kNoAudioDevice[] = "没有找到声音设备，无法听算";

class ListeningRoom : public LoadedTrainer {
  protected:
    void openRoom(const char* item) {
        dispatch(trainer.window, Event{EventKind::Menu, "Form1_main", -1, item});
    }

    // Reads one chain from "预备" to "？" and checks every slot against the text it read.
    void readWholeChain(int periodMilliseconds) {
        ASSERT_EQ(room.Label1.caption(), "预备");
        const std::size_t before = spoken.size();
        const std::vector<SpokenText> texts = chainSpeech(drill.terms, chosenLeadingTwo(room));
        for (std::size_t at = 0; at < texts.size(); ++at) {
            trainer.tick("drill.Timer1");
            ASSERT_EQ(spoken.size(), before + at + 1);
            const auto& reading = spoken.back();
            EXPECT_EQ(reading.chinese, texts[at].chinese);
            EXPECT_EQ(reading.pinyin, texts[at].pinyin);
            EXPECT_EQ(reading.wordsPerMinute,
                      readingPace(periodMilliseconds / 1000.0, drill.chainDigits).wordsPerMinute);
            EXPECT_GE(reading.wordsPerMinute, speakingRate(periodMilliseconds / 1000.0));
            EXPECT_EQ(room.Label1.caption(), "请听");
            EXPECT_FALSE(room.Text1.enabled);
            const int voice = expectedSpeechMilliseconds(reading.pinyin, reading.wordsPerMinute);
            const bool isTerm = at + 1 < texts.size();
            if (isTerm) {
                EXPECT_LE(voice + 150, periodMilliseconds) << "ends inside its slot";
            }
            EXPECT_EQ(room.Timer1.interval,
                      isTerm ? std::max(periodMilliseconds, voice + 150) : voice + 150)
                << reading.chinese;
        }
        EXPECT_EQ(spoken.back().chinese, "等于");
        trainer.tick("drill.Timer1");
        EXPECT_EQ(room.Label1.caption(), "？");
        EXPECT_TRUE(room.Text1.enabled);
        EXPECT_EQ(spoken.size(), before + texts.size());
    }

    DrillForm& room = trainer.window.drill;
    DrillState& drill = trainer.window.drillState;
    std::vector<RecordingSpeechOutput::Reading>& spoken = trainer.speech.spoken;
};

TEST_F(ListeningRoom, ReadsEachChainAloudInSlotsThatNeverCutAReading) {
    openRoom("听心算…");
    EXPECT_TRUE(room.drill.visible);
    EXPECT_EQ(room.drill.caption(), "练习室 · 听心算");
    EXPECT_FALSE(room.Command5.enabled) << "看数/看珠 means nothing when listening";
    EXPECT_EQ(room.Label9.caption(), "");

    // Four digits at 0.1 s a number cannot be read even at the quickest clear rate: the room
    // says so before the set and reads at the quickest pace that carries them.
    trainer.choose("drill.Combo2", 3);
    trainer.choose("drill.Combo4", 0);
    trainer.choose("drill.Combo5", 0);
    trainer.click("drill.Command1");
    ASSERT_FALSE(room.List1.items.empty());
    EXPECT_EQ(room.List1.items.front(), "这个速度读不完四位数，已改为 1.5 秒/笔");
    EXPECT_EQ(room.Combo4.caption(), "1.5");
    readWholeChain(1500);
    EXPECT_TRUE(trainer.sound.played.empty()) << "no flash cue while listening";

    // "再看一遍" reads the same chain once more.
    const std::vector<std::int32_t> chain = drill.terms;
    trainer.click("drill.Command3");
    readWholeChain(1500);
    EXPECT_EQ(drill.terms, chain);
    EXPECT_FALSE(room.Command3.enabled);
    trainer.type("drill.Text1", std::to_string(chainTotal(chain)));
    trainer.click("drill.Command2");
    EXPECT_EQ(room.Label2.caption(), "对了！");
    EXPECT_EQ(room.Command1.caption(), "开  始");

    // One digit at 3.0 s a number with the sound cues off: the period outlasts every reading.
    trainer.click("Command5");
    ASSERT_EQ(state.soundMode, "");
    trainer.choose("drill.Combo2", 0);
    trainer.choose("drill.Combo4", 11);
    trainer.click("drill.Command4");
    trainer.click("drill.Command1");
    readWholeChain(3000);
    EXPECT_TRUE(std::any_of(drill.terms.begin() + 1, drill.terms.end(),
                            [](std::int32_t term) { return term < 0; }));
}

// Over many drawn chains and settings the room reads exactly the chain's texts, then asks;
// "两百" / "二百" switches the reading of a leading 2 halfway.
TEST_F(ListeningRoom, ReadsEveryDrawnChainWhole) {
    openRoom("听心算…");
    EXPECT_TRUE(room.Command8.visible);
    EXPECT_EQ(room.Command8.caption(), "两百");
    openRoom("闪电心算…");
    EXPECT_FALSE(room.Command8.visible) << "only listening reads numbers";
    openRoom("听心算…");
    trainer.click("drill.Command8");
    EXPECT_EQ(room.Command8.caption(), "二百");
    for (int chain = 0; chain < 90; ++chain) {
        if (chain == 45) trainer.click("drill.Command8");
        trainer.choose("drill.Combo2", chain % 4);
        trainer.choose("drill.Combo3", chain % 12);
        trainer.choose("drill.Combo4", chain % 12);
        if (chain % 3 == 0) trainer.click("drill.Command4");
        trainer.click("drill.Command1");
        readWholeChain(periodMilliseconds(trainer.window));
        if (HasFailure()) return;
        trainer.click("drill.Command1");
    }
}

// For every offered pace and every count of digits, either the longest reading of any such
// number ends with its pause inside the pace, at a rate no slower than the pace's own and no
// quicker than the clearest quick one, or the quickest pace that carries them is taken.
TEST(ReadingPace, EveryNumberEndsInsideItsSlotOrThePaceIsChangedForOneThatFits) {
    const std::vector<double> paces{0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.5, 2.0, 3.0};
    std::mt19937 random(29);
    for (int digits = 1; digits <= 8; ++digits) {
        std::vector<std::int32_t> numbers;
        std::int32_t lowest = 1;
        for (int i = 1; i < digits; ++i) lowest *= 10;
        std::uniform_int_distribution<std::int32_t> draw(digits == 1 ? 0 : lowest, lowest * 10 - 1);
        for (int i = 0; i < 3000; ++i) numbers.push_back(draw(random));
        int previousRate = 0;
        for (auto pace = paces.rbegin(); pace != paces.rend(); ++pace) {
            const ReadingPace fitted = readingPace(*pace, digits);
            const int periodMs = static_cast<int>(*pace * 1000 + 0.5);
            EXPECT_GE(fitted.wordsPerMinute, speakingRate(*pace));
            EXPECT_GE(fitted.wordsPerMinute, previousRate) << "the rate rises as the pace quickens";
            previousRate = fitted.wordsPerMinute;
            if (!fitted.fits) {
                EXPECT_EQ(fitted.wordsPerMinute,
                          std::max(speakingRate(*pace), kClearestQuickWordsPerMinute));
                const auto fitting = quickestFittingPace(paces, *pace, digits);
                if (fitting) {
                    EXPECT_GT(*fitting, *pace);
                    EXPECT_TRUE(readingPace(*fitting, digits).fits);
                    for (const double between : paces) {
                        if (between >= *pace && between < *fitting) {
                            EXPECT_FALSE(readingPace(between, digits).fits) << between;
                        }
                    }
                }
                continue;
            }
            EXPECT_LE(fitted.wordsPerMinute,
                      std::max(speakingRate(*pace), kClearestQuickWordsPerMinute));
            EXPECT_EQ(quickestFittingPace(paces, *pace, digits), *pace);
            for (const std::int32_t number : numbers) {
                for (const LeadingTwo two : {LeadingTwo::Liang, LeadingTwo::Er}) {
                    const auto texts = chainSpeech(std::vector<std::int32_t>{number, -number}, two);
                    for (std::size_t at = 0; at < 2; ++at) {
                        ASSERT_LE(
                            expectedSpeechMilliseconds(texts[at].pinyin, fitted.wordsPerMinute) +
                                kPauseAfterReading,
                            periodMs)
                            << texts[at].chinese << " at " << *pace;
                    }
                }
            }
        }
    }
    EXPECT_TRUE(readingPace(3.0, 1).fits);
    EXPECT_FALSE(readingPace(0.2, 1).fits) << "no number is read in a fifth of a second";
}

TEST_F(ListeningRoom, WithoutAnAudioDeviceSaysSoAndDoesNotStart) {
    trainer.speech.deviceFound = false;
    openRoom("听心算…");
    EXPECT_EQ(room.Label9.caption(), kNoAudioDevice);
    room.Label9.setCaption("");
    trainer.click("drill.Command1");
    EXPECT_EQ(room.Label9.caption(), kNoAudioDevice);
    EXPECT_EQ(room.Command1.caption(), "开  始");
    EXPECT_FALSE(room.Timer1.enabled);
    EXPECT_TRUE(spoken.empty());

    // Flash arithmetic needs no voice: its room starts, reads nothing and shows 看数 again.
    openRoom("闪电心算…");
    EXPECT_EQ(room.drill.caption(), "练习室 · 闪电心算");
    EXPECT_TRUE(room.Command5.enabled);
    EXPECT_EQ(room.Label9.caption(), "");
    trainer.click("drill.Command1");
    for (int tick = 0; tick < 4; ++tick) trainer.tick("drill.Timer1");
    EXPECT_EQ(room.Command1.caption(), "停  止");
    EXPECT_TRUE(spoken.empty());
}

}  // namespace
