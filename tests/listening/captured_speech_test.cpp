// The real speech output into a capturing ALSA device: "一千四百零八" reaches the device whole,
// as the voice renders it, for a time a child can follow, while speak returns at once; texts
// asked for in a row are all read, one after the other; a missing device is reported and a
// stalled one holds nobody.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "listening/alsa/alsa_speech_output.h"
#include "listening/chain_speech.h"
#include "listening/espeak/pinyin_voice.h"
#include "listening/number_reading.h"
#include "listening/speaking_rate.h"
#include "model/speech_length.h"
#include "sound/test_alsa_config.h"
#include "sound/wave_reading.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// Speaking only hands the text over; far less than any reading lasts.
constexpr Seconds kPromptReturn{0.3};

// How long `speak` takes to return.
Seconds timeSpeak(AlsaSpeechOutput& output, const SpokenText& text, int wordsPerMinute) {
    const auto start = SteadyClock::now();
    output.speak(text.chinese, text.pinyin, wordsPerMinute);
    return SteadyClock::now() - start;
}

// Waits until `path` holds a WAVE image of nearly `frames` frames (two renders of a text differ
// by a few samples), or `allowed` has passed.
WaveContents waitForCapture(const std::filesystem::path& path, sf_count_t frames, Seconds allowed) {
    const auto giveUpAt = SteadyClock::now() + allowed;
    WaveContents captured;
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        captured = readWaveFile(path);
    } while (static_cast<double>(captured.samples.size()) < 0.98 * static_cast<double>(frames) &&
             SteadyClock::now() < giveUpAt);
    return captured;
}

TEST(CapturedSpeech, OneThousandFourHundredAndEightReachesTheDeviceWhole) {
    TestAlsaConfig config(DefaultDevice::Capturing);
    AlsaSpeechOutput output;
    output.prepare();
    EXPECT_TRUE(output.available());
    const int rate = speakingRate(1.0);
    const SpokenText text{chineseReading(1408), pinyinReading(1408)};
    ASSERT_EQ(text.chinese, "一千四百零八");

    const Seconds took = timeSpeak(output, text, rate);
    EXPECT_LT(took, kPromptReturn) << "speak waited for the voice";

    const SpokenSamples rendered = PinyinVoice().speak(text.pinyin, rate);
    const auto frames = static_cast<sf_count_t>(rendered.samples.size());
    const WaveContents captured = waitForCapture(config.captureFile(), frames, Seconds{10});
    ASSERT_EQ(captured.info.channels, 1) << "nothing was captured";
    EXPECT_EQ(captured.info.samplerate, rendered.sampleRate);
    const double seconds = static_cast<double>(captured.samples.size()) / rendered.sampleRate;
    EXPECT_GE(seconds, 0.8);
    EXPECT_LE(seconds, 2.5);
    EXPECT_NEAR(static_cast<double>(captured.samples.size()), static_cast<double>(frames),
                0.01 * static_cast<double>(frames));
    const auto loudest =
        std::max_element(captured.samples.begin(), captured.samples.end(),
                         [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    EXPECT_GT(std::abs(*loudest), 8000) << "the capture is silent";
    EXPECT_LE(seconds * 1000, expectedSpeechMilliseconds(text.pinyin, rate))
        << "the room would give the reading too little time";
}

// Reads everything written into a named pipe until told to stop.
std::string drainPipe(int reader, const std::atomic<bool>& stopping) {
    std::string received;
    char chunk[4096];
    while (!stopping) {
        const ssize_t got = read(reader, chunk, sizeof chunk);
        if (got > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return received;
}

// How many WAVE images begin in `bytes`: the device starts one each time it is opened.
int waveImagesIn(const std::string& bytes) {
    int count = 0;
    for (auto at = bytes.find("RIFF"); at != std::string::npos; at = bytes.find("RIFF", at + 4)) {
        ++count;
    }
    return count;
}

TEST(CapturedSpeech, TextsAskedForInARowAreReadWholeOneAfterTheOther) {
    TestAlsaConfig config(DefaultDevice::Pipe);
    const int reader = open(config.pipeFile().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    std::atomic<bool> stopping{false};
    std::string received;
    std::thread drain([&] { received = drainPipe(reader, stopping); });
    const int rate = speakingRate(0.2);
    const std::vector<SpokenText> texts = chainSpeech(std::vector<std::int32_t>{325, -67, 12});
    std::size_t renderedBytes = 0;
    int expectedMilliseconds = 0;
    {
        AlsaSpeechOutput output;
        output.prepare();
        for (const SpokenText& text : texts) {
            EXPECT_LT(timeSpeak(output, text, rate), kPromptReturn);
            renderedBytes += PinyinVoice().speak(text.pinyin, rate).samples.size() * 2;
            expectedMilliseconds += expectedSpeechMilliseconds(text.pinyin, rate);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(expectedMilliseconds + 1500));
    }
    stopping = true;
    drain.join();
    close(reader);
    EXPECT_EQ(waveImagesIn(received), static_cast<int>(texts.size()));
    EXPECT_NEAR(static_cast<double>(received.size()), static_cast<double>(renderedBytes),
                0.02 * static_cast<double>(renderedBytes) + 200.0 * texts.size());
}

TEST(CapturedSpeech, AMissingDeviceIsReportedAndNothingWaits) {
    TestAlsaConfig config(DefaultDevice::MissingCard);
    AlsaSpeechOutput output;
    output.prepare();
    EXPECT_FALSE(output.available());
    EXPECT_LT(timeSpeak(output, {"等于", "deng3 yu2"}, speakingRate(1.0)), kPromptReturn);
}

TEST(CapturedSpeech, AStalledDeviceHoldsNobody) {
    TestAlsaConfig config(DefaultDevice::Pipe);
    AlsaSpeechOutput output;
    const auto start = SteadyClock::now();
    output.prepare();
    EXPECT_LT(SteadyClock::now() - start, Seconds{1.5}) << "looking for the device hung";
    EXPECT_TRUE(output.available()) << "a device that does not answer counts as found";
    for (int text = 0; text < 20; ++text) {
        EXPECT_LT(timeSpeak(output, {"八", "ba1"}, speakingRate(0.2)), kPromptReturn);
    }
}

}  // namespace
