// The window's longest stall while the history is large or held by another trainer: the trainer
// started as the program starts it (its data folder in a temporary folder), on
//   1. a new, empty history, for what the windows cost without records: the opening with the
//      name box's learner restored, then 选择学习者…, 学习记录…, 练习日历… and 等级考试… each
//      opened from the menu bar;
//   2. a generated history of 1.8 million runs of three learners (about 1 GB; a smaller count
//      can be given as the first argument): the same steps;
//   3. that file held by another process (BEGIN IMMEDIATE) for the whole measurement, with the
//      colour scheme's setting waiting in the writer's queue, then the same windows opened.
// The window's thread runs a timer every 5 ms; printed is the longest it went between two ticks
// from the moment each step was asked for until its window had been shown for a while.
// Printed, never asserted.

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_application.h"
#include "desktop/services/trainer_modules.h"
#include "desktop_trainer.h"
#include "font_configuration_warm_up.h"
#include "history/sqlite/history_file.h"
#include "ui/dispatch.h"

namespace {

constexpr int kDefaultRuns = 1800000;
constexpr int kQuestionsPerRun = 8;
constexpr int kTickMilliseconds = 5;
constexpr int kSettleMilliseconds = 1000;  // how long each step is watched after it is done
constexpr int kLongestWaitSeconds = 300;   // how long a window may take to show
// The three learners of the generated history, taking turns run by run.
const char* const kLearners[] = {"豆 豆", "乐 乐", "小明"};

using SteadyClock = std::chrono::steady_clock;

// Runs `sql` on `database`, saying so when it fails.
void execute(sqlite3* database, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error != nullptr ? error : "failed");
    }
    sqlite3_free(error);
}

// Makes the history at `path` with `runs` runs of eight questions, one answered wrong, three
// learners taking turns, a few hundred runs a day over the years before the bench's day, written
// without syncs as only a benchmark may.
void makeHistory(const std::string& path, int runs) {
    openHistoryFile(path);  // the schema
    sqlite3* database = nullptr;
    sqlite3_open(path.c_str(), &database);
    execute(database, "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF; BEGIN");
    execute(database,
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                std::to_string(runs - 1) +
                ") INSERT INTO runs (learner, start_date, start_time, mode, digits, "
                "question_count, seconds_per_question, exam, layout, fill_in, answered, "
                "right_count, wrong_count, score, seconds_used, uuid) "
                "SELECT CASE i % 3 WHEN 0 THEN '豆 豆' WHEN 1 THEN '乐 乐' ELSE '小明' END, "
                "date('2026-12-08', '-' || ((" +
                std::to_string(runs) +
                " - i) / 800) || ' days'), time(i % 86400, 'unixepoch'), '+-', 4, 8, 60, i % 2, "
                "'单  列', 0, 8, 7, 1, 87, 200, lower(hex(randomblob(16))) FROM n");
    execute(database,
            "WITH RECURSIVE q(number) AS (SELECT 1 UNION ALL SELECT number + 1 FROM q WHERE "
            "number < " +
                std::to_string(kQuestionsPerRun) +
                ") INSERT INTO questions (run_id, number, first_term, operator, second_term, "
                "result_term, blank_position, typed_answer, right_answer, right, attempts) "
                "SELECT id, q.number, '3725', '+', '4816', '8541', 1, "
                "CASE q.number WHEN 5 THEN '7541' ELSE '8541' END, '8541', q.number <> 5, '' "
                "FROM runs, q");
    execute(database, "COMMIT; PRAGMA wal_checkpoint(TRUNCATE)");
    sqlite3_close(database);
}

// Watches the window's thread: the longest time between two ticks of a 5 ms timer.
class StallWatch {
  public:
    StallWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = SteadyClock::now();
            longest_ = std::max(longest_, millisecondsBetween(last_, now));
            last_ = now;
        });
        timer_.start(kTickMilliseconds);
    }

    // Runs `step` on the window's thread, then the events for a while; the longest stall.
    template <typename Step>
    double during(Step step) {
        waitFor(100);
        longest_ = 0;
        last_ = SteadyClock::now();
        step();
        const auto stepEnd = SteadyClock::now();
        longest_ = std::max(longest_, millisecondsBetween(last_, stepEnd));
        last_ = stepEnd;
        waitFor(kSettleMilliseconds);
        return longest_;
    }

    // Runs the events for `milliseconds`.
    static void waitFor(int milliseconds) {
        QTimer done;
        done.setSingleShot(true);
        QEventLoop loop;
        QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
        done.start(milliseconds);
        loop.exec();
    }

  private:
    static double millisecondsBetween(SteadyClock::time_point from, SteadyClock::time_point to) {
        return std::chrono::duration<double, std::milli>(to - from).count();
    }

    QTimer timer_;
    SteadyClock::time_point last_ = SteadyClock::now();
    double longest_ = 0;
};

// Runs the events until the history is open and the name box shows `learner`, restored from it.
void waitForOpening(DesktopTrainer& trainer, const char* learner) {
    const auto* nameBox = trainer.view().mainWindow().findChild<QLineEdit*>("Text1");
    const auto asked = SteadyClock::now();
    while ((nameBox == nullptr || nameBox->text() != QString::fromUtf8(learner)) &&
           SteadyClock::now() - asked < std::chrono::seconds(kLongestWaitSeconds)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTickMilliseconds);
    }
    StallWatch::waitFor(kSettleMilliseconds);
}

// Chooses `item` of the main window's menu bar.
void chooseMenuItem(DesktopTrainer& trainer, const char* item) {
    trainer.view().send(Event{EventKind::Menu, "Form1_main", -1, item});
}

// The windows shown beside the trainer's main window.
int otherWindowsShown(DesktopTrainer& trainer) {
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &trainer.view().mainWindow() && window->isVisible()) ++shown;
    }
    return shown;
}

// Opens each window from the menu bar, printing the longest stall until it has been shown for
// a while and how long it took to show.
void openEachWindow(DesktopTrainer& trainer, StallWatch& watch) {
    for (const char* item : {"选择学习者…", "学习记录…", "练习日历…", "等级考试…"}) {
        double shownAfter = 0;
        const double stall = watch.during([&] {
            const auto asked = SteadyClock::now();
            chooseMenuItem(trainer, item);
            while (otherWindowsShown(trainer) == 0 &&
                   SteadyClock::now() - asked < std::chrono::seconds(kLongestWaitSeconds)) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTickMilliseconds);
            }
            shownAfter =
                std::chrono::duration<double, std::milli>(SteadyClock::now() - asked).count();
        });
        std::printf("  %-14s window's longest stall %8.1f ms  (shown after %8.1f ms)\n", item,
                    stall, shownAfter);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &trainer.view().mainWindow() && window->isVisible()) window->close();
        }
    }
}

// Holds the write lock of the history at `path` in a process of its own until it is ended.
pid_t holdLock(const std::string& path) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t holder = fork();
    if (holder == 0) {
        sqlite3* database = nullptr;
        sqlite3_open(path.c_str(), &database);
        const char held =
            sqlite3_exec(database, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (write(ready[1], &held, 1) != 1) _exit(1);
        for (;;) pause();
    }
    char held = 0;
    if (read(ready[0], &held, 1) != 1 || held == 0) std::fprintf(stderr, "no lock held\n");
    close(ready[0]);
    close(ready[1]);
    return holder;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    char name[] = "/tmp/window-stall-bench-XXXXXX";
    if (mkdtemp(name) == nullptr) return 1;
    const std::string folder = name;
    const std::string empty = folder + "/empty";
    const std::string large = folder + "/large";
    const std::string path = historyFileIn(large + "/abacus-trainer");
    std::filesystem::create_directories(large + "/abacus-trainer");
    const auto madeFrom = SteadyClock::now();
    makeHistory(path, runs);
    std::error_code error;
    std::printf("history of %d runs, %.0f MB, made in %.0f s\n", runs,
                static_cast<double>(std::filesystem::file_size(path, error)) / 1e6,
                std::chrono::duration<double>(SteadyClock::now() - madeFrom).count());

    FontConfigurationWarmUp fontConfiguration;
    BenchApplication application(argc, argv);
    addTrainerModuleFolder(QStringLiteral(ABACUS_MODULE_BUILD_FOLDER));
    fontConfiguration.wait();
    StallWatch watch;
    // The same steps on a new, empty history first: what the windows cost without records.
    for (const std::string& data : {empty, large}) {
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        std::unique_ptr<DesktopTrainer> trainer;
        double openedAfter = 0;
        const double openingStall = watch.during([&] {
            const auto asked = SteadyClock::now();
            trainer = std::make_unique<DesktopTrainer>();
            trainer->show();
            // The name box is given the learner of the newest run.
            waitForOpening(*trainer, data == empty ? kLearners[0] : kLearners[(runs - 1) % 3]);
            openedAfter = std::chrono::duration<double>(SteadyClock::now() - asked).count();
        });
        std::printf(
            "%s history\n  opening, learner restored: window's longest stall %8.1f ms  "
            "(opened and checked off the window's thread in %.1f s)\n",
            data == empty ? "empty" : "large", openingStall, openedAfter);
        openEachWindow(*trainer, watch);
        if (data == empty) continue;

        const pid_t holder = holdLock(path);
        std::printf("large history held by another process, the colour scheme queued behind it\n");
        std::printf("  颜色 (key 4)     window's longest stall %8.1f ms\n", watch.during([&] {
            trainer->view().send(Event{EventKind::Click, "Command1", 4, {}});
        }));
        openEachWindow(*trainer, watch);
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
