// "字体" stepping the zoom (every widget placed, every font and rod picture made afresh),
// "颜色" switching the colour scheme, each with a repaint of the whole window, and one step
// of a demonstration with the paint of what changed, all through dispatch and the view's
// sync. frame_share_% is the mean wall time per event as a per-cent of a 16.7 ms frame.
// Prints figures, asserts nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "frame_share.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

// The trainer after start-up, shown, with every menu key lit as after a completed run.
struct ShownTrainer {
    ShownTrainer() : window(services.bind(random, metrics, "/nonexistent-folder")) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        for (Element& key : window.form.Command1) key.enabled = true;
        view = std::make_unique<TrainerView>(window);
        view->show();
        QApplication::processEvents();
    }

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};

ShownTrainer* shown = nullptr;

// Sends one event through the view, then repaints the whole window or only what changed.
void send(const Event& event, bool wholeWindow) {
    shown->view->send(event);
    if (wholeWindow) {
        shown->view->mainWindow().repaint();
    } else {
        QApplication::processEvents();
    }
}

void ZoomStepWithWholeRepaint(benchmark::State& state) {
    timeAsFrameShare(state, [] { send({EventKind::Click, "Command1(5)", -1, {}}, true); });
}

void ColourSchemeSwitchWithWholeRepaint(benchmark::State& state) {
    timeAsFrameShare(state, [] { send({EventKind::Click, "Command1(4)", -1, {}}, true); });
}

void DemonstrationStepWithPaint(benchmark::State& state) {
    timeAsFrameShare(state, [] {
        if (!shown->window.form.Timer4.enabled) {
            send({EventKind::Click, "Command1(7)", -1, {}}, false);
        }
        send({EventKind::Tick, "Timer4", -1, {}}, false);
    });
}

BENCHMARK(ZoomStepWithWholeRepaint)->UseRealTime();
BENCHMARK(ColourSchemeSwitchWithWholeRepaint)->UseRealTime();
BENCHMARK(DemonstrationStepWithPaint)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShownTrainer trainer;
    shown = &trainer;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
