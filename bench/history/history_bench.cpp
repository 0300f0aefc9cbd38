// The history with 10,000 stored runs of 20 questions: storing a run as a run's end does, on
// the caller's thread and through the writer thread (the window's share and the writer's time),
// the data behind "记录" (and its wrong-question page) and "日历" and their windows opened
// and painted, and the size of the file. Printed, never asserted.

#include <QApplication>
#include <QDate>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "desktop/windows/calendar_window.h"
#include "desktop/windows/history_window.h"
#include "history/history_views.h"
#include "history/history_writer.h"
#include "history/sqlite/history_file.h"

namespace {

constexpr int kRuns = 10000;
constexpr int kQuestions = 20;
constexpr int kRepeats = 20;
constexpr int kHandedOverRuns = 200;
constexpr double kFrameMilliseconds = 1000.0 / 60;
constexpr char kLearner[] = "豆 豆";

using SteadyClock = std::chrono::steady_clock;

// Milliseconds since `start`.
double millisecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

// A run of twenty questions on day `index` / 14 after 2025-01-01, every fifth one wrong.
StoredRun benchRun(int index) {
    StoredRun run;
    run.learner = kLearner;
    run.startDate = dateOfDay(dayNumber("2025-01-01") + index / 14);
    run.startTime = "09:" + std::to_string(10 + index % 14 * 3) + ":00";
    run.mode = index % 3 == 0 ? "×÷" : "+-";
    run.digits = 2;
    run.questionCount = kQuestions;
    run.secondsPerQuestion = 60;
    run.layout = "单  列";
    run.answered = kQuestions;
    for (int i = 0; i < kQuestions; ++i) {
        const bool right = (i + index) % 5 != 0;
        run.questions.push_back(
            {std::to_string(20 + i), "+", std::to_string(10 + index % 50),
             std::to_string(30 + i + index % 50), 1, right ? "40" : "7", "40", right,
             right ? std::vector<std::string>{} : std::vector<std::string>{"8"}});
        ++(right ? run.right : run.wrong);
    }
    run.score = run.right * 100 / kQuestions;
    run.secondsUsed = 300 + index % 200;
    return run;
}

// Median, 99th percentile and largest of the times.
void printTimes(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("%-44s median %8.3f ms  p99 %8.3f ms  max %8.3f ms  (median %.1f %% of a frame)\n",
                what, median, p99, times.back(), 100 * median / kFrameMilliseconds);
}

// Bytes of the file and of its write-ahead log.
std::uintmax_t bytesOnDisk(const std::string& path) {
    std::uintmax_t total = 0;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code error;
        const auto size = std::filesystem::file_size(path + suffix, error);
        if (!error) total += size;
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    char name[] = "/tmp/history-bench-XXXXXX";
    if (mkdtemp(name) == nullptr) return 1;
    const std::string folder = name;
    const std::string path = historyFileIn(folder);
    HistoryOpening opening = openHistoryFile(path);
    if (!opening.store) {
        std::printf("cannot open %s: %s\n", path.c_str(), opening.message.c_str());
        return 1;
    }
    HistoryStore& store = *opening.store;

    std::vector<double> storing;
    storing.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const StoredRun run = benchRun(i);
        const auto start = SteadyClock::now();
        store.storeRun(run);
        storing.push_back(millisecondsSince(start));
    }
    std::printf("%d runs of %d questions stored for one learner\n", kRuns, kQuestions);
    printTimes("storing one run (whole transaction)", storing);

    std::vector<double> historyData;
    std::vector<double> historyWindow;
    std::vector<double> wrongBookData;
    std::vector<double> wrongBookPage;
    std::vector<double> calendarData;
    std::vector<double> calendarWindow;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        auto start = SteadyClock::now();
        const std::vector<StoredRun> runs = store.runsOf(kLearner);
        const auto rows = historyTableRows(runs);
        const auto lines = scoreLines(runs);
        historyData.push_back(millisecondsSince(start));

        start = SteadyClock::now();
        const auto book = wrongQuestionBook(store.wrongQuestionsOf(kLearner));
        wrongBookData.push_back(millisecondsSince(start));

        const auto wrongQuestions = [&store] { return store.wrongQuestionsOf(kLearner); };
        start = SteadyClock::now();
        {
            HistoryWindow window(
                kLearner, store.runsOf(kLearner), wrongQuestions, [] {}, store.levelTests(kLearner),
                store.allDrills(), QFont(), nullptr);
            window.show();
            QApplication::processEvents();
            window.repaint();
            historyWindow.push_back(millisecondsSince(start));
            start = SteadyClock::now();
            window.findChild<QTabWidget*>()->setCurrentIndex(1);
            QApplication::processEvents();
            window.repaint();
            wrongBookPage.push_back(millisecondsSince(start));
        }

        start = SteadyClock::now();
        const std::vector<StoredRun> monthRuns = store.runsOf(kLearner);
        const MonthFigures month = monthFigures(monthRuns, 2026, 6);
        calendarData.push_back(millisecondsSince(start));
        if (month.runs < 0) return 1;

        start = SteadyClock::now();
        {
            CalendarWindow window(kLearner, store.runsOf(kLearner), store.allDrills(),
                                  store.levelTests(kLearner), QDate(2026, 6, 15), QFont(), nullptr);
            window.show();
            QApplication::processEvents();
            window.repaint();
        }
        calendarWindow.push_back(millisecondsSince(start));
    }
    printTimes("记录: runs, table rows, plot lines", historyData);
    printTimes("记录: the window built, shown and painted", historyWindow);
    printTimes("错题本: wrong questions read and written out", wrongBookData);
    printTimes("错题本: its page built, shown and painted", wrongBookPage);
    printTimes("日历: runs and the month's figures", calendarData);
    printTimes("日历: the window built, shown and painted", calendarWindow);

    opening.store.reset();
    std::vector<double> handingOver;
    std::vector<double> writing;
    {
        HistoryOpening again = openHistoryFile(path);
        if (!again.store) return 1;
        HistoryWriter writer(std::move(again.store));
        for (int i = 0; i < kHandedOverRuns; ++i) {
            const StoredRun run = benchRun(kRuns + i);
            const auto start = SteadyClock::now();
            writer.storeRun(run);
            handingOver.push_back(millisecondsSince(start));
            writer.waitUntilWritten();
            writing.push_back(millisecondsSince(start));
        }
    }
    std::printf("%d more runs handed to the writer thread, each after the last was stored\n",
                kHandedOverRuns);
    printTimes("storing a run: the window's share", handingOver);
    printTimes("storing a run: handed over to committed", writing);

    std::printf("database size: %.2f MB (%.0f bytes a run)\n", bytesOnDisk(path) / 1e6,
                static_cast<double>(bytesOnDisk(path)) / kRuns);
    std::filesystem::remove_all(folder);
    return 0;
}
