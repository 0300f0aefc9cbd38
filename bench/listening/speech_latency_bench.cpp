// 听心算's voice on a device: the time from a term's slot start (the room asking the speech
// output to read it) to its first sample leaving the device, and the voice's synthesis time
// per number, over numbers of one to four digits at the quickest, a middle and the slowest
// pace. The device is ALSA's file plugin writing into a named pipe that is read at once.
// Printed, never asserted.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "listening/alsa/alsa_speech_output.h"
#include "listening/espeak/pinyin_voice.h"
#include "listening/number_reading.h"
#include "listening/speaking_rate.h"
#include "model/speech_length.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kReadings = 15;
constexpr std::size_t kWaveHeaderBytes = 44;
const std::vector<std::int32_t> kNumbers{7, 38, 325, 1408, 9999};
const std::vector<double> kPaces{0.2, 1.0, 3.0};

// A default device that writes what it plays into a named pipe over the null device.
struct PipeDevice {
    PipeDevice() {
        std::string pattern = (std::filesystem::temp_directory_path() / "speech-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        pipe = folder / "device.fifo";
        mkfifo(pipe.c_str(), 0600);
        std::ofstream(folder / "asound.conf")
            << "pcm.!default {\n    type file\n    slave.pcm { type null }\n    format \"wav\"\n"
            << "    file \"" << pipe.string() << "\"\n}\n";
        setenv("ALSA_CONFIG_PATH", (folder / "asound.conf").c_str(), 1);
        reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    ~PipeDevice() {
        close(reader);
        unsetenv("ALSA_CONFIG_PATH");
        std::filesystem::remove_all(folder);
    }

    // Reads until the first sample after a WAVE header arrives; its arrival time.
    SteadyClock::time_point firstSample() const {
        std::size_t received = 0;
        char chunk[4096];
        for (;;) {
            const ssize_t got = read(reader, chunk, sizeof chunk);
            if (got > 0) received += static_cast<std::size_t>(got);
            if (received > kWaveHeaderBytes) return SteadyClock::now();
            if (got <= 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    // Reads and drops everything for `span`.
    void drainFor(Milliseconds span) const {
        char chunk[4096];
        const auto until = SteadyClock::now() + span;
        while (SteadyClock::now() < until) {
            if (read(reader, chunk, sizeof chunk) <= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
    }

    std::filesystem::path folder;
    std::filesystem::path pipe;
    int reader = -1;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Prints the median and the largest of `values`, in milliseconds.
void printFigures(const std::string& what, const std::vector<double>& values) {
    std::printf("%-52s median %7.2f ms   max %7.2f ms   (%zu)\n", what.c_str(), median(values),
                *std::max_element(values.begin(), values.end()), values.size());
}

}  // namespace

int main() {
    const PinyinVoice voice;
    if (!voice.ready()) {
        std::puts("the Mandarin voice cannot be set up");
        return 0;
    }
    for (const double pace : kPaces) {
        const int rate = speakingRate(pace);
        for (const std::int32_t number : kNumbers) {
            const std::string pinyin = pinyinReading(number);
            std::vector<double> synthesis;
            double sounds = 0;
            for (int round = 0; round < kReadings; ++round) {
                const auto start = SteadyClock::now();
                sounds = Milliseconds(voice.speak(pinyin, rate).length()).count();
                synthesis.push_back(Milliseconds(SteadyClock::now() - start).count());
            }
            printFigures("synthesis " + std::to_string(number) + " at " + std::to_string(rate) +
                             " wpm (sounds " + std::to_string(static_cast<int>(sounds)) +
                             " ms, slot allows " +
                             std::to_string(expectedSpeechMilliseconds(pinyin, rate)) + ")",
                         synthesis);
        }
    }

    const PipeDevice device;
    AlsaSpeechOutput output;
    output.prepare();
    std::vector<double> latency;
    for (int round = 0; round < kReadings; ++round) {
        for (const std::int32_t number : kNumbers) {
            const std::string pinyin = pinyinReading(number);
            const int rate = speakingRate(1.0);
            const auto slotStart = SteadyClock::now();
            const int expected = output.speak(chineseReading(number), pinyin, rate);
            latency.push_back(Milliseconds(device.firstSample() - slotStart).count());
            device.drainFor(Milliseconds(expected + 300));
        }
    }
    printFigures("slot start to first sample on the device (goal < 50)", latency);
    return 0;
}
