#pragma once
// The sound output of the real program: plays a clip through ALSA and returns once it has
// been heard. Any failure (no device, device busy, unreadable clip) is silent.

#include <string>

#include "ui/services.h"

class AlsaSoundOutput : public SoundOutput {
  public:
    // Plays on the ALSA device `deviceName`, the desktop's default output unless told otherwise.
    explicit AlsaSoundOutput(std::string deviceName = "default");

    // Plays the WAVE image to its end; never takes much longer than the clip itself.
    void play(std::int16_t clipId, std::span<const std::uint8_t> wave) override;

  private:
    std::string deviceName_;
};
