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
constexpr int kTickMilliseconds = 5;
constexpr int kSettleMilliseconds = 3000;  // how long each step is watched

using SteadyClock = std::chrono::steady_clock;

// Runs `sql` on `database`, saying so when it fails.
void execute(sqlite3* database, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error != nullptr ? error : "failed");
    }
    sqlite3_free(error);
}

// Makes the history at `path` with `runs` runs of five questions, three learners taking turns,
// a few hundred runs a day over the years before the bench's day, written without syncs as
// only a benchmark may.
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
                " - i) / 800) || ' days'), time(i % 86400, 'unixepoch'), '+-', 2, 5, 60, i % 2, "
                "'单  列', 0, 5, 4, 1, 80, 120, lower(hex(randomblob(16))) FROM n");
    execute(database,
            "INSERT INTO questions (run_id, number, first_term, operator, second_term, "
            "result_term, blank_position, typed_answer, right_answer, right, attempts) "
            "SELECT id, q.number, '37', '+', '48', '85', 1, "
            "CASE q.number WHEN 5 THEN '75' ELSE '85' END, '85', q.number <> 5, '' "
            "FROM runs, (SELECT 1 AS number UNION ALL SELECT 2 UNION ALL SELECT 3 "
            "UNION ALL SELECT 4 UNION ALL SELECT 5) q");
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

// Chooses `item` of the main window's menu bar.
void chooseMenuItem(DesktopTrainer& trainer, const char* item) {
    trainer.view().send(Event{EventKind::Menu, "Form1_main", -1, item});
}

// Opens each window from the menu bar, printing the longest stall of each.
void openEachWindow(DesktopTrainer& trainer, StallWatch& watch) {
    for (const char* item : {"选择学习者…", "学习记录…", "练习日历…", "等级考试…"}) {
        std::printf("  %-14s window's longest stall %8.1f ms\n", item,
                    watch.during([&] { chooseMenuItem(trainer, item); }));
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
        std::printf("%s history\n  opening, learner restored: window's longest stall %8.1f ms\n",
                    data == empty ? "empty" : "large", watch.during([&] {
                        trainer = std::make_unique<DesktopTrainer>();
                        trainer->show();
                    }));
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
