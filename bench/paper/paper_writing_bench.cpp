// How long key 8 takes to write a 100-question paper with its answer sheet through
// dispatch, headless, in each layout. Printed in milliseconds, never asserted.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

constexpr int kHundredQuestions = 10;  // index in the question-count list
constexpr int kFourDigits = 3;
constexpr std::array<const char*, 3> kLayouts{"单  列", "双  列", "竖  式"};

// A started headless trainer with the clock-seeded generator.
struct BenchWindow {
    BenchWindow() { dispatch(window, Event{EventKind::Load, {}, -1, {}}); }

    void choose(const char* list, int index) {
        dispatch(window, Event{EventKind::Choose, list, index, {}});
    }
    void click(const char* name) { dispatch(window, Event{EventKind::Click, name, -1, {}}); }

    UniformRandom random;
    RecordingServices services;
    FixedWidthMetrics metrics;
    WindowContext window{services.bind(random, metrics, "/nonexistent")};
};

// Writes 100-question four-digit "+-" papers in the layout given as the argument; the record
// list is cleared between papers outside the timing.
void writePaper(benchmark::State& bench) {
    const auto layout = static_cast<std::size_t>(bench.range(0));
    BenchWindow trainer;
    trainer.choose("Combo2", kFourDigits);
    trainer.choose("Combo3", kHundredQuestions);
    for (std::size_t press = 0; press < layout; ++press) trainer.click("Command8");
    for (auto _ : bench) {
        trainer.click("Command1(8)");
        bench.PauseTiming();
        benchmark::DoNotOptimize(trainer.window.form.List1.items.size());
        trainer.click("Command2");
        bench.ResumeTiming();
    }
    bench.SetLabel(trainer.window.form.Command8.caption());
}

BENCHMARK(writePaper)->DenseRange(0, 2)->ArgName("layout")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
