// The clips built into the program: each played clip is a complete WAVE file in exactly the
// catalogue's format and length, sounds without clicks at its edges, and ids no event plays
// have no clip.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "clip_data.h"
#include "sound/clip_catalogue.h"
#include "wave_reading.h"

namespace {

// Microsoft ADPCM at these rates packs 1012 samples into each 512-byte block.
constexpr sf_count_t kAdpcmSamplesPerBlock = 1012;
constexpr int kFullScale = 32768;

int expectedSubtype(const ClipEntry& clip) {
    if (clip.encoding == ClipEncoding::MsAdpcm) return SF_FORMAT_MS_ADPCM;
    return clip.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16;
}

std::uint32_t littleEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

class PlayedClip : public ::testing::TestWithParam<ClipEntry> {
  protected:
    // The built-in clip read back with libsndfile.
    WaveContents readBack() const {
        const auto path =
            std::filesystem::temp_directory_path() / ("embedded-clip-" + std::to_string(getpid()) +
                                                      "-" + std::to_string(GetParam().id) + ".wav");
        writeBytes(path, embeddedClip(GetParam().id));
        WaveContents contents = readWaveFile(path);
        std::filesystem::remove(path);
        return contents;
    }
};

TEST_P(PlayedClip, IsACompleteRiffWaveFile) {
    const auto bytes = embeddedClip(GetParam().id);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "fmt ");
    EXPECT_EQ(littleEndian32(bytes, 4), bytes.size() - 8) << "RIFF size field";
}

TEST_P(PlayedClip, HasTheCataloguesFormatAndLength) {
    const ClipEntry& clip = GetParam();
    const WaveContents wave = readBack();
    ASSERT_GT(wave.info.channels, 0) << "libsndfile cannot read clip " << clip.id;
    EXPECT_EQ(wave.info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(wave.info.format & SF_FORMAT_SUBMASK, expectedSubtype(clip));
    EXPECT_EQ(wave.info.channels, clip.channels);
    EXPECT_EQ(wave.info.samplerate, clip.sampleRate);
    if (clip.encoding == ClipEncoding::MsAdpcm) {
        EXPECT_NEAR(wave.info.frames, frameCount(clip), kAdpcmSamplesPerBlock);
    } else {
        EXPECT_EQ(wave.info.frames, frameCount(clip));
    }
}

TEST_P(PlayedClip, IsAudibleUnclippedAndStartsAndEndsQuietly) {
    const WaveContents wave = readBack();
    ASSERT_FALSE(wave.samples.empty());
    const auto [quietest, loudest] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    const int peak = std::max(-*quietest, static_cast<int>(*loudest));
    EXPECT_GT(peak, kFullScale / 4) << "too quiet to hear";
    EXPECT_LT(peak, kFullScale * 9 / 10) << "too close to clipping";
    EXPECT_LT(std::abs(wave.samples.front()), kFullScale / 50) << "clicks as it starts";
    EXPECT_LT(std::abs(wave.samples.back()), kFullScale / 50) << "clicks as it stops";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PlayedClip, ::testing::ValuesIn(playedClips()),
                         [](const auto& info) { return "clip" + std::to_string(info.param.id); });

TEST(EmbeddedClips, IdsNoEventPlaysHaveNoClip) {
    for (std::int16_t id = 100; id <= 157; ++id) {
        if (findPlayedClip(id) != nullptr) continue;
        EXPECT_TRUE(embeddedClip(id).empty()) << "clip " << id;
    }
    EXPECT_TRUE(embeddedClip(-1).empty());
}

}  // namespace
