// One event through dispatch plus the front end's sync of both windows, as a share of a
// 16.7 ms frame. Uses the real view and text metrics; prints figures, asserts nothing.

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

constexpr double kFrameMicroseconds = 1e6 / 60;

struct Figures {
    double meanMicroseconds = 0;
    double p99Microseconds = 0;
};

// Sends `count` events made by `eventFor(i)` through the view and times each one.
template <typename EventFor>
Figures timeEvents(TrainerView& view, int count, EventFor eventFor) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Event event = eventFor(i);
        const auto start = std::chrono::steady_clock::now();
        view.send(event);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    Figures figures;
    for (double m : micros) figures.meanMicroseconds += m;
    figures.meanMicroseconds /= static_cast<double>(micros.size());
    std::sort(micros.begin(), micros.end());
    figures.p99Microseconds = micros[micros.size() * 99 / 100];
    return figures;
}

void report(const char* what, const Figures& figures) {
    std::printf("%-52s mean %7.1f us (%5.2f %% of a frame), 99th percentile %7.1f us (%5.2f %%)\n",
                what, figures.meanMicroseconds, 100 * figures.meanMicroseconds / kFrameMicroseconds,
                figures.p99Microseconds, 100 * figures.p99Microseconds / kFrameMicroseconds);
}

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window(services.bind(random, metrics, "/nonexistent-folder"));
    dispatch(window, Event{EventKind::Load, {}, -1, {}});
    TrainerView view(window);
    view.show();
    QApplication::processEvents();

    const int events = 5000;
    report("sound button click (caption change)", timeEvents(view, events, [](int) {
               return Event{EventKind::Click, "Command5", -1, {}};
           }));
    report("question-count choice (handler, two auto-size labels)",
           timeEvents(view, events, [](int i) {
               return Event{EventKind::Choose, "Combo3", i % 2 == 0 ? 0 : 10, {}};
           }));
    report("clock tick (date and time label)", timeEvents(view, events, [&services](int) {
               services.clock.advance(1);
               return Event{EventKind::Tick, "Timer3", -1, {}};
           }));
    report("click on a disabled key (ignored, sync only)", timeEvents(view, events, [](int) {
               return Event{EventKind::Click, "Command1(0)", -1, {}};
           }));
    return 0;
}
