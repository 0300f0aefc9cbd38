// Presses during a run through the real view, with the window painted before each clip as the
// program does: a keypad digit (dispatch, digit entry, aaa, zmt, sync and paint before the
// key click, sync after), the same digit from the keyboard, and an answer that closes an exam
// question and draws the next one. Each is timed up to the end of the paint the event loop
// does afterwards, and printed as a share of a 16.7 ms frame. Asserts nothing.

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/paint_first_sound_output.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

constexpr double kFrameMicroseconds = 1e6 / 60;
constexpr int kHundredQuestions = 10;  // item of the question-count list

using SteadyClock = std::chrono::steady_clock;

// The trainer on screen with recording services, painted before every clip.
struct ShownTrainer {
    ShownTrainer()
        : window(Services{random, services.clock, paintFirst, services.dialogs, services.helpViewer,
                          metrics, services.resources, services.screen, "/nonexistent-folder",
                          services.history, services.menuWindows, services.speech}) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        view = std::make_unique<TrainerView>(window);
        paintFirst.paintBeforeClips(*view);
        view->show();
        QApplication::processEvents();
    }

    // Sends one event through the view and lets the event loop paint what is left.
    void send(const Event& event) {
        view->send(event);
        QApplication::processEvents();
    }
    void click(const std::string& name) { send(Event{EventKind::Click, name, -1, {}}); }

    // Ends the run in progress with its report and starts a new one, the run button enabled
    // again as leaving the record list would.
    void restartRun() {
        click("Command4");
        window.form.Command4.enabled = true;
        click("Command4");
    }

    // Starts an exam run of a hundred two-digit questions.
    void startRun() {
        send(Event{EventKind::Choose, "Combo3", kHundredQuestions, {}});
        click("Command4");
    }

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    PaintFirstSoundOutput paintFirst{services.sound};
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};

struct Figures {
    double mean = 0;
    double p99 = 0;
    double worst = 0;
};

// Times `count` calls of `timed`, each after an untimed `prepare`.
Figures timeEach(int count, const std::function<void(int)>& prepare,
                 const std::function<void(int)>& timed) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        prepare(i);
        const auto start = SteadyClock::now();
        timed(i);
        micros.push_back(
            std::chrono::duration<double, std::micro>(SteadyClock::now() - start).count());
    }
    Figures figures;
    for (double m : micros) figures.mean += m;
    figures.mean /= static_cast<double>(micros.size());
    std::sort(micros.begin(), micros.end());
    figures.p99 = micros[micros.size() * 99 / 100];
    figures.worst = micros.back();
    return figures;
}

void report(const char* what, const Figures& figures) {
    std::printf(
        "%-58s mean %7.1f us (%5.2f %% of a frame), 99th percentile %7.1f us (%5.2f %%), "
        "worst %7.1f us\n",
        what, figures.mean, 100 * figures.mean / kFrameMicroseconds, figures.p99,
        100 * figures.p99 / kFrameMicroseconds, figures.worst);
}

// The name of keypad key `i` of a cycle of digits.
std::string keyOf(int i) { return "Command1(" + std::to_string(i % 10) + ")"; }

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));

    ShownTrainer trainer;
    trainer.startRun();
    const int presses = 4000;
    // Two digits fit a two-digit question with room to spare; the entry is cleared before
    // every first digit, untimed.
    const auto clearEveryOther = [&trainer](int i) {
        if (i % 2 == 0) trainer.click("Command2");
    };
    report("keypad digit: dispatch, aaa, zmt, sync, paint",
           timeEach(presses, clearEveryOther, [&](int i) { trainer.click(keyOf(i)); }));
    report("keyboard digit: the same through the key event",
           timeEach(presses, clearEveryOther, [&](int i) {
               trainer.send(Event{EventKind::Key, "Form1_main", -1, std::to_string(i % 10)});
           }));
    // Without the view: sound cues off, so no clip asks for a paint; synced afterwards, untimed.
    trainer.click("Command5");
    report("keypad digit without the view: dispatch, aaa, zmt",
           timeEach(presses, clearEveryOther, [&](int i) {
               dispatch(trainer.window, Event{EventKind::Click, keyOf(i), -1, {}});
           }));
    trainer.click("Command5");
    trainer.click("Command2");
    // Each answer is typed untimed; after 99 answers the run is ended and a new one started.
    const int answersPerRun = 99;
    report("answer: judge, record, next question, sync, paint",
           timeEach(
               5 * answersPerRun,
               [&](int i) {
                   if (i > 0 && i % answersPerRun == 0) trainer.restartRun();
                   trainer.click(keyOf(1 + i % 9));
               },
               [&](int) { trainer.click("Command3"); }));
    return 0;
}
