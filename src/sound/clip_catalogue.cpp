#include "sound/clip_catalogue.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ClipEntry kPlayedClips[] = {
    {102, ClipEncoding::Pcm, 8, 1, 22050, 0.05, "key click"},
    {103, ClipEncoding::Pcm, 8, 1, 44100, 0.19, "answer cleared"},
    {104, ClipEncoding::Pcm, 8, 1, 22050, 0.45, "wrong answer"},
    {105, ClipEncoding::Pcm, 16, 1, 22050, 0.68, "right answer"},
    {106, ClipEncoding::MsAdpcm, 4, 1, 22050, 0.83, "warning"},
    {108, ClipEncoding::Pcm, 16, 1, 22050, 0.57, "run start"},
    {109, ClipEncoding::Pcm, 16, 1, 44100, 0.20, "sound cues on"},
    {110, ClipEncoding::Pcm, 16, 1, 44100, 0.19, "goodbye"},
    {111, ClipEncoding::Pcm, 8, 1, 11025, 3.77, "perfect run"},
    {112, ClipEncoding::Pcm, 8, 1, 11025, 0.13, "bead click"},
};

}  // namespace

std::span<const ClipEntry> playedClips() { return kPlayedClips; }

const ClipEntry* findPlayedClip(std::int16_t id) {
    const auto found = std::find_if(std::begin(kPlayedClips), std::end(kPlayedClips),
                                    [id](const ClipEntry& clip) { return clip.id == id; });
    return found == std::end(kPlayedClips) ? nullptr : found;
}

std::int64_t frameCount(const ClipEntry& clip) {
    return std::llround(clip.seconds * clip.sampleRate);
}
