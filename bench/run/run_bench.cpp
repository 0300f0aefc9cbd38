// A hundred-question exam answered right through the headless core, as the replay driver
// would play it: time per question and peak memory. Printed, never asserted.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

constexpr int kRuns = 50;
constexpr int kHundredQuestions = 10;  // item of the question-count list
constexpr int kQuestions = 100;

using SteadyClock = std::chrono::steady_clock;

// A started headless trainer with recording services.
struct BenchWindow {
    explicit BenchWindow(std::uint32_t seed) : random(seed) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
    }
    void click(const std::string& name) { dispatch(window, Event{EventKind::Click, name, -1, {}}); }

    UniformRandom random;
    RecordingServices services;
    FixedWidthMetrics metrics;
    WindowContext window{services.bind(random, metrics, "/nonexistent")};
};

// The number that belongs in the blank of the question on screen.
std::int32_t rightAnswer(const TrainingState& state) {
    switch (state.blankPosition) {
        case 2:
            return state.operandB;
        case 3:
            return state.operandA;
        default:
            return state.operandC;
    }
}

// Plays one run: start, then each question typed key by key and submitted.
void playRun(BenchWindow& trainer) {
    trainer.click("Command4");
    for (int question = 0; question < kQuestions; ++question) {
        for (const char digit : std::to_string(rightAnswer(trainer.window.state))) {
            trainer.click("Command1(" + std::string(1, digit) + ")");
        }
        trainer.click("Command3");
    }
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    const long before = peakResidentKilobytes();
    std::vector<double> microsecondsPerQuestion;
    std::size_t recordLines = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto trainer = std::make_unique<BenchWindow>(static_cast<std::uint32_t>(run + 1));
        dispatch(trainer->window, Event{EventKind::Choose, "Combo3", kHundredQuestions, {}});
        const auto start = SteadyClock::now();
        playRun(*trainer);
        const auto elapsed = std::chrono::duration<double, std::micro>(SteadyClock::now() - start);
        microsecondsPerQuestion.push_back(elapsed.count() / kQuestions);
        if (trainer->window.state.score != 100 || trainer->window.state.runActive != "0") {
            std::fprintf(stderr, "run %d did not end with every answer right\n", run + 1);
            return 1;
        }
        recordLines = trainer->window.form.List1.items.size();
    }
    std::sort(microsecondsPerQuestion.begin(), microsecondsPerQuestion.end());
    std::printf("hundred-question exam, every answer typed and submitted, %d runs\n", kRuns);
    std::printf("  time per question: median %.1f us, fastest run %.1f us, slowest run %.1f us\n",
                microsecondsPerQuestion[microsecondsPerQuestion.size() / 2],
                microsecondsPerQuestion.front(), microsecondsPerQuestion.back());
    std::printf("  record-list lines per run: %zu\n", recordLines);
    std::printf("  peak resident memory: %ld KiB (%ld KiB before the first run)\n",
                peakResidentKilobytes(), before);
    return 0;
}
