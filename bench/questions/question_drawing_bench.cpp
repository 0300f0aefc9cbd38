// How fast whole questions are drawn in each mode at four digits, and how often the
// rejection rules send a pair back. Printed, never asserted.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "engine/question_generator.h"
#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "model/window_context.h"

namespace {

constexpr int kFourDigits = 3;
constexpr std::array<int, 7> kOperatorsPerMode{1, 1, 2, 1, 1, 2, 4};

// The clock-seeded generator, counting the numbers drawn from it.
class CountingRandom : public RandomSource {
  public:
    float next() override {
        ++drawn;
        return generator_.next();
    }
    void randomize() override { generator_.randomize(); }

    std::uint64_t drawn = 0;

  private:
    UniformRandom generator_;
};

// A headless trainer window with the counting generator.
struct BenchWindow {
    CountingRandom random;
    RecordingServices services;
    FixedWidthMetrics metrics;
    WindowContext window{services.bind(random, metrics, "/nonexistent")};
};

// Draws normal four-digit questions of the mode given as the benchmark's argument.
void drawQuestions(benchmark::State& bench) {
    const auto mode = static_cast<int>(bench.range(0));
    BenchWindow trainer;
    trainer.window.form.Combo1.listIndex = mode;
    trainer.window.form.Combo2.listIndex = kFourDigits;
    trainer.random.randomize();
    for (auto _ : bench) {
        drawNextQuestion(trainer.window);
        benchmark::DoNotOptimize(trainer.window.state.operandA);
    }
    const auto questions = static_cast<double>(bench.iterations());
    const double operatorDraws = kOperatorsPerMode[static_cast<std::size_t>(mode)] > 1 ? 1 : 0;
    const double pairDraws =
        static_cast<double>(trainer.random.drawn) / 2 - operatorDraws / 2 * questions;
    bench.SetItemsProcessed(bench.iterations());
    bench.counters["redraws_per_question"] = pairDraws / questions - 1;
    bench.SetLabel(trainer.window.state.modeOperators);
}

BENCHMARK(drawQuestions)->DenseRange(0, 6)->ArgName("mode");

}  // namespace

BENCHMARK_MAIN();
