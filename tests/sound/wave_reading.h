#pragma once
// Reading WAVE data back with libsndfile, independently of the player's own decoder.

#include <sndfile.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

struct WaveContents {
    SF_INFO info{};
    std::vector<std::int16_t> samples;  // interleaved, converted to 16-bit
};

// Opens the WAVE file at `path`; an info with zero channels when it cannot be read.
WaveContents readWaveFile(const std::filesystem::path& path);

// Writes `bytes` to `path` unchanged.
void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
