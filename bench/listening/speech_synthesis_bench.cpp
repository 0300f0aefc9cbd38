// How long the Mandarin voice takes to render one number at the slowest, a middle and the
// quickest pace, and how long the render sounds. Printed, never asserted.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

#include "listening/espeak/pinyin_voice.h"
#include "listening/number_reading.h"
#include "listening/speaking_rate.h"

namespace {

// Renders the number of the first argument at the pace of the second, in tenths of a second
// per number; the render's length is shown as sound_ms.
void renderNumber(benchmark::State& bench) {
    const PinyinVoice voice;
    const auto number = static_cast<std::int32_t>(bench.range(0));
    const double secondsPerNumber = static_cast<double>(bench.range(1)) / 10.0;
    const std::string pinyin = pinyinReading(number);
    const int rate = speakingRate(secondsPerNumber);
    SpokenSamples spoken;
    for (auto _ : bench) {
        spoken = voice.speak(pinyin, rate);
        benchmark::DoNotOptimize(spoken.samples.data());
    }
    bench.counters["wpm"] = rate;
    bench.counters["sound_ms"] = std::chrono::duration<double, std::milli>(spoken.length()).count();
    bench.SetLabel(pinyin);
}

BENCHMARK(renderNumber)
    ->ArgsProduct({{7, 325, 1408, 10'010, 99'999'999}, {5, 10, 30}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
