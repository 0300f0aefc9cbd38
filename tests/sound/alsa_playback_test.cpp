// Real playback through ALSA into a capturing device: the device receives exactly the
// clip's samples at the clip's rate, and the play lasts as long as the clip. Without a
// device, or with a clip that cannot be read, playing returns at once and prints nothing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "clip_data.h"
#include "sound/alsa/alsa_sound_output.h"
#include "sound/clip_catalogue.h"
#include "test_alsa_config.h"
#include "wave_reading.h"

namespace {

using Seconds = std::chrono::duration<double>;

// A failed play must come back well before even a short clip would have ended.
constexpr Seconds kPromptReturn{0.5};
// Room for a slow machine when checking that a play does not hang.
constexpr Seconds kHangMargin{2.0};

// How long `output` takes to play clip `id` from `wave`.
Seconds timePlay(AlsaSoundOutput& output, std::int16_t id, std::span<const std::uint8_t> wave) {
    const auto start = std::chrono::steady_clock::now();
    output.play(id, wave);
    return std::chrono::steady_clock::now() - start;
}

// The built-in clip decoded by libsndfile on its own, as the device should receive it.
WaveContents decodedClip(const ClipEntry& clip) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("expected-clip-" + std::to_string(getpid()) + "-" + std::to_string(clip.id) + ".wav");
    writeBytes(path, embeddedClip(clip.id));
    WaveContents contents = readWaveFile(path);
    std::filesystem::remove(path);
    return contents;
}

class CapturedPlayback : public ::testing::TestWithParam<ClipEntry> {};

TEST_P(CapturedPlayback, DeviceReceivesTheClipsSamplesForTheClipsLength) {
    const ClipEntry& clip = GetParam();
    TestAlsaConfig config(DefaultDevice::Capturing);
    AlsaSoundOutput output;

    const Seconds took = timePlay(output, clip.id, embeddedClip(clip.id));

    const WaveContents expected = decodedClip(clip);
    const WaveContents captured = readWaveFile(config.captureFile());
    ASSERT_GT(captured.info.channels, 0) << "nothing was captured";
    EXPECT_EQ(captured.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
    EXPECT_EQ(captured.info.channels, clip.channels);
    EXPECT_EQ(captured.info.samplerate, clip.sampleRate);
    ASSERT_EQ(captured.samples.size(), expected.samples.size());
    EXPECT_TRUE(captured.samples == expected.samples) << "captured samples differ";

    const Seconds length{static_cast<double>(expected.info.frames) / clip.sampleRate};
    EXPECT_GE(took.count(), 0.7 * length.count()) << "returned before the clip was heard";
    EXPECT_LT(took, length + kHangMargin) << "play hung";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CapturedPlayback, ::testing::ValuesIn(playedClips()),
                         [](const auto& info) { return "clip" + std::to_string(info.param.id); });

class FailedPlayback : public ::testing::Test {
  protected:
    // Plays `wave` as clip 111 with stderr captured; checks that the play came back at once
    // and said nothing.
    void expectQuietPromptReturn(AlsaSoundOutput& output, std::span<const std::uint8_t> wave) {
        testing::internal::CaptureStderr();
        const Seconds took = timePlay(output, 111, wave);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_LT(took, kPromptReturn);
    }
};

TEST_F(FailedPlayback, DefaultDeviceThatCannotOpen) {
    TestAlsaConfig config(DefaultDevice::MissingCard);
    AlsaSoundOutput output;
    expectQuietPromptReturn(output, embeddedClip(111));
}

TEST_F(FailedPlayback, DeviceNameThatDoesNotExist) {
    TestAlsaConfig config(DefaultDevice::Capturing);
    AlsaSoundOutput output("no_such_device");
    expectQuietPromptReturn(output, embeddedClip(111));
    EXPECT_FALSE(std::filesystem::exists(config.captureFile()));
}

TEST_F(FailedPlayback, ImageThatIsNotAWaveFile) {
    TestAlsaConfig config(DefaultDevice::Capturing);
    AlsaSoundOutput output;
    auto damaged = std::vector<std::uint8_t>(embeddedClip(111).begin(), embeddedClip(111).end());
    std::fill(damaged.begin() + 8, damaged.begin() + 44, 0xEE);
    expectQuietPromptReturn(output, damaged);
    EXPECT_FALSE(std::filesystem::exists(config.captureFile()));
}

}  // namespace
