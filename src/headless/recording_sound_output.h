#pragma once
// A sound output that plays nothing and remembers which clips were asked for.

#include <vector>

#include "model/services.h"

class RecordingSoundOutput : public SoundOutput {
  public:
    void play(std::int16_t clipId, std::span<const std::uint8_t> wave) override {
        played.push_back(clipId);
        bytesPlayed.push_back(wave.size());
    }

    std::vector<std::int16_t> played;
    std::vector<std::size_t> bytesPlayed;
};
