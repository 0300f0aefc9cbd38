#include "sound/alsa/alsa_sound_output.h"

#include <alsa/asoundlib.h>

#include <utility>

#include "sound/alsa/pcm_playback.h"
#include "sound/alsa/wave_decoder.h"

namespace {

// How much longer than the clip a play may take while the device catches up.
constexpr std::chrono::milliseconds kGraceAfterClip{250};

// Swallows ALSA's diagnostics: a missing or busy device must stay silent.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

AlsaSoundOutput::AlsaSoundOutput(std::string deviceName) : deviceName_(std::move(deviceName)) {
    snd_lib_error_set_handler(ignoreAlsaMessage);
}

void AlsaSoundOutput::play(std::int16_t, std::span<const std::uint8_t> wave) {
    const SteadyTime start = std::chrono::steady_clock::now();
    const auto decoded = decodeWave(wave);
    if (!decoded) return;
    const SteadyTime heardBy = start + decoded->length();
    playOnDevice(deviceName_, *decoded, heardBy, heardBy + kGraceAfterClip);
}
