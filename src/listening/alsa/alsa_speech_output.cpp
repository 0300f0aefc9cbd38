#include "listening/alsa/alsa_speech_output.h"

#include <alsa/asoundlib.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "listening/espeak/pinyin_voice.h"
#include "model/speech_length.h"
#include "sound/alsa/detached_job.h"
#include "sound/alsa/pcm_playback.h"

namespace {

// How much longer than a reading the device may take to sound it.
constexpr std::chrono::milliseconds kDeviceGrace{200};
// How much longer again the reading thread may take to close the device.
constexpr std::chrono::milliseconds kCloseAllowance{50};
// How long the voice may take to render one text before the reading thread counts as stuck.
constexpr std::chrono::milliseconds kRenderAllowance{1000};
// How long the device is looked for before it counts as found.
constexpr std::chrono::milliseconds kDeviceSearch{500};

// One text waiting to be read.
struct Request {
    std::string pinyin;
    int wordsPerMinute = 0;
};

// True when the ALSA device `deviceName` can be opened for playback now.
bool deviceOpens(const std::string& deviceName) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, deviceName.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return false;
    }
    snd_pcm_close(pcm);
    return true;
}

}  // namespace

// What the caller and the reading thread share: the texts waiting, and until when the reading
// thread may be busy with the text in hand before it counts as stuck.
struct SpeechQueue {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> waiting;
    bool readerRunning = false;
    bool stopping = false;
    bool busy = false;
    SteadyTime busyUntil;

    // Takes the next text once there is one; nothing when the queue is stopping.
    std::optional<Request> next() {
        std::unique_lock lock(mutex);
        busy = false;
        wake.wait(lock, [this] { return stopping || !waiting.empty(); });
        if (stopping) return std::nullopt;
        Request request = std::move(waiting.front());
        waiting.pop_front();
        busy = true;
        busyUntil = std::chrono::steady_clock::now() + kRenderAllowance;
        return request;
    }

    // The reading thread is about to sound a text until `heardBy`.
    void sounding(SteadyTime heardBy) {
        const std::lock_guard lock(mutex);
        busyUntil = heardBy + kDeviceGrace + kCloseAllowance;
    }
};

namespace {

// The reading thread: renders each text and plays it to its end, until the queue stops.
void readAloud(const std::shared_ptr<SpeechQueue>& queue, const std::string& deviceName) {
    keepBrokenPipesQuiet();
    const PinyinVoice voice;
    while (const std::optional<Request> request = queue->next()) {
        SpokenSamples spoken = voice.speak(request->pinyin, request->wordsPerMinute);
        if (spoken.samples.empty()) continue;
        const DecodedWave wave{1, spoken.sampleRate, std::move(spoken.samples)};
        const SteadyTime heardBy = std::chrono::steady_clock::now() + wave.length();
        queue->sounding(heardBy);
        playOnDevice(deviceName, wave, heardBy, heardBy + kDeviceGrace);
    }
}

}  // namespace

AlsaSpeechOutput::AlsaSpeechOutput(std::string deviceName)
    : deviceName_(std::move(deviceName)), queue_(std::make_shared<SpeechQueue>()) {
    quietAlsaMessages();
    try {
        std::thread([queue = queue_, device = deviceName_] { readAloud(queue, device); }).detach();
        queue_->readerRunning = true;
    } catch (const std::system_error&) {
        voiceReady_ = false;
    }
}

AlsaSpeechOutput::~AlsaSpeechOutput() {
    {
        const std::lock_guard lock(queue_->mutex);
        queue_->stopping = true;
        queue_->waiting.clear();
    }
    queue_->wake.notify_all();
}

void AlsaSpeechOutput::prepare() {
    snd_config_update();
    voiceReady_ = voiceReady_ && PinyinVoice().ready();
    const auto found = std::make_shared<std::atomic<bool>>(false);
    const auto search =
        DetachedJob::start([found, device = deviceName_] { *found = deviceOpens(device); });
    if (search && search->waitUntil(std::chrono::steady_clock::now() + kDeviceSearch))
        deviceMissing_ = !*found;
}

int AlsaSpeechOutput::speak(const std::string&, const std::string& pinyin, int wordsPerMinute) {
    const int expected = expectedSpeechMilliseconds(pinyin, wordsPerMinute);
    {
        const std::lock_guard lock(queue_->mutex);
        if (!queue_->readerRunning) return expected;
        // Device work stuck past its deadline: nothing more is read until it comes back.
        if (queue_->busy && std::chrono::steady_clock::now() > queue_->busyUntil) {
            queue_->waiting.clear();
            return expected;
        }
        queue_->waiting.push_back({pinyin, wordsPerMinute});
    }
    queue_->wake.notify_one();
    return expected;
}

bool AlsaSpeechOutput::available() { return voiceReady_ && !deviceMissing_; }
