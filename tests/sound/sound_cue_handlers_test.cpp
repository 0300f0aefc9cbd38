// The sound cues as the handlers play them: the confirming clip when cues come on, the
// goodbye clip on closing only while cues are on, and the sound buffer holding the bytes
// of whichever clip was played last.

#include <gtest/gtest.h>

#include <vector>

#include "clip_data.h"
#include "support/loaded_trainer.h"

namespace {

std::vector<std::uint8_t> bytesOfClip(std::int16_t id) {
    const auto bytes = embeddedClip(id);
    return {bytes.begin(), bytes.end()};
}

using SoundCues = LoadedTrainer;

TEST_F(SoundCues, EverySwitchOnConfirmsAndEverySwitchOffIsSilent) {
    for (int round = 0; round < 3; ++round) {
        trainer.click("Command5");
        EXPECT_EQ(state.soundMode, "");
        trainer.click("Command5");
        EXPECT_EQ(state.soundMode, "0");
    }
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{109, 109, 109}));
    EXPECT_EQ(state.soundBuffer, bytesOfClip(109));
    EXPECT_EQ(trainer.sound.bytesPlayed, (std::vector<std::size_t>(3, embeddedClip(109).size())));
}

TEST_F(SoundCues, GoodbyeSoundsOnCloseOnlyWhileCuesAreOn) {
    trainer.dialogs.queueAnswer(DialogAnswer::No);
    trainer.close();
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{110}));
    EXPECT_EQ(state.soundBuffer, bytesOfClip(110));

    trainer.click("Command5");
    trainer.dialogs.queueAnswer(DialogAnswer::No);
    trainer.close();
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{110}));

    trainer.click("Command5");
    trainer.dialogs.queueAnswer(DialogAnswer::Yes);
    trainer.close();
    EXPECT_EQ(trainer.sound.played, (std::vector<std::int16_t>{110, 109, 110}));
    EXPECT_TRUE(trainer.window.closed);
}

TEST_F(SoundCues, BufferKeepsTheLastClipWhileCuesAreOff) {
    trainer.dialogs.queueAnswer(DialogAnswer::No);
    trainer.close();
    trainer.click("Command5");
    trainer.dialogs.queueAnswer(DialogAnswer::No);
    trainer.close();
    EXPECT_EQ(state.soundBuffer, bytesOfClip(110)) << "switching off does not clear the buffer";

    trainer.click("Command5");
    EXPECT_EQ(state.soundBuffer, bytesOfClip(109));
}

}  // namespace
