// 听心算 in the practice room: the chain is read text by text in slots that never cut a reading,
// the room shows only "请听" and "？", the sound cues' switch leaves the reading alone, and a
// machine without an audio device is told so instead of starting.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "flash/chain_set.h"
#include "flash/flash_chain.h"
#include "listening/chain_speech.h"
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
        const std::vector<SpokenText> texts = chainSpeech(drill.terms);
        for (std::size_t at = 0; at < texts.size(); ++at) {
            trainer.tick("drill.Timer1");
            ASSERT_EQ(spoken.size(), before + at + 1);
            const auto& reading = spoken.back();
            EXPECT_EQ(reading.chinese, texts[at].chinese);
            EXPECT_EQ(reading.pinyin, texts[at].pinyin);
            EXPECT_EQ(reading.wordsPerMinute, speakingRate(periodMilliseconds / 1000.0));
            EXPECT_EQ(room.Label1.caption(), "请听");
            EXPECT_FALSE(room.Text1.enabled);
            const int voice = expectedSpeechMilliseconds(reading.pinyin, reading.wordsPerMinute);
            const bool isTerm = at + 1 < texts.size();
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

    // Four digits at 0.2 s a number: every slot is the voice's time and the pause.
    trainer.choose("drill.Combo2", 3);
    trainer.choose("drill.Combo4", 0);
    trainer.choose("drill.Combo5", 0);
    trainer.click("drill.Command1");
    readWholeChain(200);
    EXPECT_TRUE(trainer.sound.played.empty()) << "no flash cue while listening";

    // "再看一遍" reads the same chain once more.
    const std::vector<std::int32_t> chain = drill.terms;
    trainer.click("drill.Command3");
    readWholeChain(200);
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
    trainer.choose("drill.Combo4", 9);
    trainer.click("drill.Command4");
    trainer.click("drill.Command1");
    readWholeChain(3000);
    EXPECT_TRUE(std::any_of(drill.terms.begin() + 1, drill.terms.end(),
                            [](std::int32_t term) { return term < 0; }));
}

// Over many drawn chains and settings the room reads exactly the chain's texts, then asks.
TEST_F(ListeningRoom, ReadsEveryDrawnChainWhole) {
    openRoom("听心算…");
    for (int chain = 0; chain < 90; ++chain) {
        trainer.choose("drill.Combo2", chain % 4);
        trainer.choose("drill.Combo3", chain % 9);
        trainer.choose("drill.Combo4", chain % 10);
        if (chain % 3 == 0) trainer.click("drill.Command4");
        trainer.click("drill.Command1");
        readWholeChain(periodMilliseconds(trainer.window));
        if (HasFailure()) return;
        trainer.click("drill.Command1");
    }
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
