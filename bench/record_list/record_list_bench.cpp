// Test papers through dispatch and the view's sync, in each layout, as a share of a 16.7 ms
// frame; then papers appended until the record list holds 100,000 lines, and that list
// scrolled, copied and laid out on printed pages. Prints figures, asserts nothing.

#include <QAbstractSlider>
#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/record_list/record_list_output.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"
#include "ui/record_list_pages.h"

namespace {

constexpr double kFrameMilliseconds = 1000.0 / 60;
constexpr int kFourDigits = 3;
constexpr int kHundredQuestions = 10;
constexpr std::size_t kFullList = 100000;

// Milliseconds that `work` takes.
double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

struct Spread {
    double median = 0;
    double p99 = 0;
    double max = 0;
};

Spread spreadOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 99 / 100], times.back()};
}

void report(const char* what, const Spread& spread) {
    std::printf("%-50s median %8.3f ms (%6.1f %% of a frame), 99th %8.3f ms, max %8.3f ms\n", what,
                spread.median, 100 * spread.median / kFrameMilliseconds, spread.p99, spread.max);
}

struct ShownTrainer {
    ShownTrainer() : window(services.bind(random, metrics, "/nonexistent-folder")) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        view = std::make_unique<TrainerView>(window);
        view->show();
        QApplication::processEvents();
        send(EventKind::Choose, "Combo2", kFourDigits);
        send(EventKind::Choose, "Combo3", kHundredQuestions);
    }

    void send(EventKind kind, const char* element, int value = -1) {
        view->send(Event{kind, element, value, {}});
    }
    // Key 8 and its sync, painted, in milliseconds.
    double writePaper() {
        return millisecondsOf([this] {
            send(EventKind::Click, "Command1(8)");
            list().viewport()->repaint();
        });
    }
    QListView& list() const {
        return *view->mainWindow().findChild<QListView*>(QStringLiteral("List1"));
    }

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};

// Writes and clears papers in each layout; only the writing is timed.
void timePapersInEachLayout() {
    ShownTrainer trainer;
    for (const char* layout : {"单  列", "双  列", "竖  式"}) {
        while (trainer.window.form.Command8.caption() != layout) {
            trainer.send(EventKind::Click, "Command8");
        }
        std::vector<double> times;
        for (int paper = 0; paper < 60; ++paper) {
            times.push_back(trainer.writePaper());
            trainer.send(EventKind::Click, "Command2");
        }
        const std::string what = std::string("100-question paper, ") + layout;
        report(what.c_str(), spreadOf(times));
    }
}

// Fills the list with single-column papers to 100,000 lines, then scrolls, copies and
// paginates it.
void timeAHundredThousandLines() {
    ShownTrainer trainer;
    std::vector<double> appends;
    const auto& lines = trainer.window.form.List1.items;
    while (lines.size() < kFullList) appends.push_back(trainer.writePaper());
    std::printf("%zu papers appended, %zu lines in the record list\n", appends.size(),
                lines.size());
    const std::size_t tenth = appends.size() / 10;
    report("appending a paper, first tenth of the list",
           spreadOf({appends.begin(), appends.begin() + static_cast<long>(tenth)}));
    report("appending a paper, last tenth of the list",
           spreadOf({appends.end() - static_cast<long>(tenth), appends.end()}));

    QListView& list = trainer.list();
    QScrollBar& bar = *list.verticalScrollBar();
    const auto scroll = [&](QAbstractSlider::SliderAction action, int steps) {
        bar.setValue(0);
        std::vector<double> times;
        for (int step = 0; step < steps; ++step) {
            times.push_back(millisecondsOf([&] {
                bar.triggerAction(action);
                list.viewport()->repaint();
            }));
        }
        return spreadOf(times);
    };
    report("scrolling one line, painted", scroll(QAbstractSlider::SliderSingleStepAdd, 3000));
    report("scrolling one page, painted", scroll(QAbstractSlider::SliderPageStepAdd, 3000));
    std::vector<double> jumps;
    for (int jump = 0; jump < 200; ++jump) {
        jumps.push_back(millisecondsOf([&] {
            bar.setValue(jump % 2 == 0 ? bar.maximum() : 0);
            list.viewport()->repaint();
        }));
    }
    report("jumping between the ends, painted", spreadOf(jumps));

    report("copying 100,000 lines as text",
           spreadOf({millisecondsOf([&] { copyRecordList(lines); })}));
    report("laying 100,000 lines out on pages",
           spreadOf({millisecondsOf([&] { printedPages(lines, 60, 90); })}));
}

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    timePapersInEachLayout();
    timeAHundredThousandLines();
    return 0;
}
