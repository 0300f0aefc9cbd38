#pragma once
// The sound output of the real program: plays a clip through ALSA and returns once it has
// been heard. Any failure (no device, device busy, unreadable clip) is silent. The device
// is driven from a thread of its own, so a device that stalls holds the caller no longer
// than the clip itself and a short margin; until that device work ends, further clips are
// not played.

#include <memory>
#include <string>

#include "model/services.h"
#include "sound/alsa/detached_job.h"

class AlsaSoundOutput : public SoundOutput {
  public:
    // Plays on the ALSA device `deviceName`, the desktop's default output unless told otherwise.
    explicit AlsaSoundOutput(std::string deviceName = "default");

    // Reads the sound settings now, so that the first clip starts as quickly as later ones.
    // Opens no device.
    void prepare();

    // Plays the WAVE image to its end; never takes more than a quarter second past the clip.
    void play(std::int16_t clipId, std::span<const std::uint8_t> wave) override;

  private:
    std::string deviceName_;
    std::shared_ptr<DetachedJob> latestPlay_;  // the device work of the last clip played
};
