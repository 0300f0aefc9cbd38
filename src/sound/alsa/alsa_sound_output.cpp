#include "sound/alsa/alsa_sound_output.h"

#include <alsa/asoundlib.h>

#include <utility>

#include "sound/alsa/pcm_playback.h"
#include "sound/alsa/wave_decoder.h"

namespace {

// How much longer than the clip the device may take to sound it.
constexpr std::chrono::milliseconds kDeviceGrace{200};
// How much longer again the window waits for the device to be closed.
constexpr std::chrono::milliseconds kCloseAllowance{50};

}  // namespace

AlsaSoundOutput::AlsaSoundOutput(std::string deviceName) : deviceName_(std::move(deviceName)) {
    quietAlsaMessages();
}

void AlsaSoundOutput::prepare() { snd_config_update(); }

void AlsaSoundOutput::play(std::int16_t, std::span<const std::uint8_t> wave) {
    const SteadyTime start = std::chrono::steady_clock::now();
    // A device still stuck with an earlier clip is busy: this clip is not played.
    if (latestPlay_ && !latestPlay_->finished()) return;
    auto decoded = decodeWave(wave);
    if (!decoded) return;
    const SteadyTime heardBy = start + decoded->length();
    latestPlay_ =
        DetachedJob::start([device = deviceName_, samples = std::move(*decoded), heardBy] {
            keepBrokenPipesQuiet();
            playOnDevice(device, samples, heardBy, heardBy + kDeviceGrace);
        });
    if (latestPlay_) latestPlay_->waitUntil(heardBy + kDeviceGrace + kCloseAllowance);
}
