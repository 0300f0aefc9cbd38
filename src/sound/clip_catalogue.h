#pragma once
// The clips that events play: id, format, length and what each one is for. The clip
// synthesiser builds the clips from it; nothing else may disagree with it.

#include <cstdint>
#include <span>
#include <string_view>

enum class ClipEncoding {
    Pcm,      // linear PCM, unsigned for 8 bits and signed for 16 bits
    MsAdpcm,  // Microsoft ADPCM, 4 bits per sample
};

struct ClipEntry {
    std::int16_t id;
    ClipEncoding encoding;
    int bitsPerSample;
    int channels;
    int sampleRate;
    double seconds;
    std::string_view role;
};

// Every clip some event plays, by ascending id.
std::span<const ClipEntry> playedClips();

// The entry of clip `id`, or nullptr when no event plays that clip.
const ClipEntry* findPlayedClip(std::int16_t id);

// The clip's length in sample frames: its seconds at its rate, rounded to the nearest frame.
std::int64_t frameCount(const ClipEntry& clip);
