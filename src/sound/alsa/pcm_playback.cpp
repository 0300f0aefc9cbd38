#include "sound/alsa/pcm_playback.h"

#include <alsa/asoundlib.h>
#include <pthread.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <memory>
#include <thread>

namespace {

using std::chrono::milliseconds;

constexpr unsigned kLatencyMicroseconds = 100'000;
constexpr milliseconds kLongestPause{10};

struct PcmCloser {
    void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using PcmHandle = std::unique_ptr<snd_pcm_t, PcmCloser>;

// Opens the device for non-blocking playback of 16-bit interleaved samples at the wave's
// channel count and rate; empty when the device is missing, busy or refuses the format.
PcmHandle openDevice(const std::string& deviceName, const DecodedWave& wave) {
    snd_pcm_t* raw = nullptr;
    if (snd_pcm_open(&raw, deviceName.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return {};
    }
    PcmHandle pcm(raw);
    const int allowResampling = 1;
    if (snd_pcm_set_params(pcm.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                           static_cast<unsigned>(wave.channels),
                           static_cast<unsigned>(wave.sampleRate), allowResampling,
                           kLatencyMicroseconds) < 0) {
        return {};
    }
    return pcm;
}

// Time left until `moment`, at most one short pause, never negative.
milliseconds pauseUntil(SteadyTime moment) {
    const auto left =
        std::chrono::duration_cast<milliseconds>(moment - std::chrono::steady_clock::now());
    return std::clamp(left, milliseconds{0}, kLongestPause);
}

bool reached(SteadyTime moment) { return std::chrono::steady_clock::now() >= moment; }

// Writes every frame unless the device fails or `giveUpAt` passes; true when all went out.
bool writeFrames(snd_pcm_t* pcm, const DecodedWave& wave, SteadyTime giveUpAt) {
    const std::int16_t* next = wave.samples.data();
    auto framesLeft = static_cast<snd_pcm_uframes_t>(wave.frames());
    while (framesLeft > 0) {
        if (reached(giveUpAt)) return false;
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm, next, framesLeft);
        if (written >= 0) {
            next += written * wave.channels;
            framesLeft -= static_cast<snd_pcm_uframes_t>(written);
        } else if (written == -EAGAIN) {
            snd_pcm_wait(pcm, static_cast<int>(pauseUntil(giveUpAt).count()));
        } else if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) {
            return false;
        }
    }
    return true;
}

// True while the device is still sounding samples it was given.
bool stillSounding(snd_pcm_t* pcm) {
    if (snd_pcm_state(pcm) != SND_PCM_STATE_RUNNING) return false;
    snd_pcm_sframes_t delay = 0;
    return snd_pcm_delay(pcm, &delay) == 0 && delay > 0;
}

// Waits until `heardBy` and then for as long as the device still sounds, up to `giveUpAt`.
void waitUntilHeard(snd_pcm_t* pcm, SteadyTime heardBy, SteadyTime giveUpAt) {
    while (!reached(giveUpAt)) {
        if (reached(heardBy) && !stillSounding(pcm)) return;
        std::this_thread::sleep_for(pauseUntil(reached(heardBy) ? giveUpAt : heardBy));
    }
}

// Swallows one ALSA diagnostic.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void quietAlsaMessages() { snd_lib_error_set_handler(ignoreAlsaMessage); }

void keepBrokenPipesQuiet() {
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
}

void playOnDevice(const std::string& deviceName, const DecodedWave& wave, SteadyTime heardBy,
                  SteadyTime giveUpAt) {
    const PcmHandle pcm = openDevice(deviceName, wave);
    if (!pcm) return;
    if (!writeFrames(pcm.get(), wave, giveUpAt)) return;
    if (snd_pcm_state(pcm.get()) == SND_PCM_STATE_PREPARED) snd_pcm_start(pcm.get());
    waitUntilHeard(pcm.get(), heardBy, giveUpAt);
}
