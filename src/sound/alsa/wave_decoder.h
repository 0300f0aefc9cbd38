#pragma once
// Reading a WAVE image held in memory as 16-bit samples.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct DecodedWave {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;  // interleaved, one value per channel per frame

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    // How long the samples sound at their rate.
    std::chrono::microseconds length() const;
};

// The samples of a WAVE image converted to 16-bit, or nothing when the image cannot be read.
std::optional<DecodedWave> decodeWave(std::span<const std::uint8_t> image);
