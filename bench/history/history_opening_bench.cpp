// Opening a large history as the trainer opens it, on the writer's thread after the first
// paint: a file of 100,000 runs and one of about 1 GB (runs whose answers are long texts).
// Meanwhile the window's thread runs a timer sixty times a second. Printed: the time the
// opening took off the window's thread, the longest the window's thread went between two
// ticks (its longest frame), and the process's peak memory before and during the opening.
// Printed, never asserted.

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_application.h"
#include "history/history_writer.h"
#include "history/sqlite/history_file.h"
#include "history/sqlite/sqlite_history_store.h"

namespace {

constexpr int kManyRuns = 100000;
constexpr int kBigRuns = 1024;
constexpr std::size_t kBigAnswer = 1 << 20;
constexpr int kFrameMilliseconds = 16;

using SteadyClock = std::chrono::steady_clock;

// A run of `questions` questions whose typed answers are `answerSize` characters long.
StoredRun benchRun(int index, int questions, std::size_t answerSize) {
    StoredRun run;
    run.learner = index % 2 == 0 ? "豆 豆" : "乐 乐";
    run.startDate = "2026-12-08";
    run.startTime = "09:05:00";
    run.mode = "+-";
    run.digits = 2;
    run.questionCount = questions;
    run.secondsPerQuestion = 60;
    run.layout = "单  列";
    run.answered = questions;
    for (int i = 0; i < questions; ++i) {
        run.questions.push_back({std::to_string(20 + i),
                                 "+",
                                 "15",
                                 std::to_string(35 + i),
                                 1,
                                 std::string(answerSize, '7'),
                                 std::to_string(35 + i),
                                 false,
                                 {}});
    }
    run.wrong = questions;
    run.secondsUsed = 300;
    return run;
}

// Makes the history at `path` with `runs` runs, in a process of its own so that its memory
// is not counted, writing without syncing each run as only a benchmark may.
void makeHistory(const std::string& path, int runs, int questions, std::size_t answerSize) {
    const pid_t maker = fork();
    if (maker == 0) {
        openHistoryFile(path);  // the schema, then a plain connection without syncs
        sqlite3* database = nullptr;
        sqlite3_open(path.c_str(), &database);
        sqlite3_exec(database, "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr);
        SqliteHistoryStore store(database);
        for (int run = 0; run < runs; ++run) store.storeRun(benchRun(run, questions, answerSize));
        _exit(0);
    }
    waitpid(maker, nullptr, 0);
}

// The process's peak resident memory in MiB since it was last reset.
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024;
    }
    return 0;
}

// Starts the peak resident memory again from what is in use now.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Opens `path` on a writer's thread while the window's thread ticks, and prints the figures.
void benchOpening(const char* what, const std::string& path) {
    resetPeak();
    const double before = peakMegabytes();
    std::atomic<bool> opened{false};
    const auto start = SteadyClock::now();
    double openedAfter = 0;
    HistoryWriter writer(
        [&path] {
            return OpenedHistory{openHistoryFile(path).store, {}};
        },
        [&] {
            openedAfter =
                std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
            opened = true;
        });
    auto lastTick = SteadyClock::now();
    double longestFrame = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const auto now = SteadyClock::now();
        longestFrame = std::max(longestFrame,
                                std::chrono::duration<double, std::milli>(now - lastTick).count());
        lastTick = now;
        if (opened) QCoreApplication::quit();
    });
    timer.start(kFrameMilliseconds);
    QCoreApplication::exec();
    std::error_code error;
    std::printf(
        "%-22s %7.0f MB  opened off the window's thread in %8.1f ms  window's longest frame "
        "%6.1f ms  peak memory %6.1f MB (%6.1f MB before)\n",
        what, static_cast<double>(std::filesystem::file_size(path, error)) / 1e6, openedAfter,
        longestFrame, peakMegabytes(), before);
}

}  // namespace

int main(int argc, char** argv) {
    char name[] = "/tmp/history-opening-bench-XXXXXX";
    if (mkdtemp(name) == nullptr) return 1;
    const std::string folder = name;
    const std::string many = folder + "/runs.sqlite3";
    const std::string big = folder + "/big.sqlite3";
    makeHistory(many, kManyRuns, 10, 1);
    makeHistory(big, kBigRuns, 1, kBigAnswer);
    BenchApplication application(argc, argv);
    benchOpening("100,000 runs", many);
    benchOpening("1 GB of runs", big);
    std::filesystem::remove_all(folder);
    return 0;
}
