// Flash arithmetic in the real practice room, at 100 % and 200 %: one tick of the flash timer
// through the view (the handler, the sync and the paint of what changed), a number and a bead
// board flashed alike, and the whole room repainted as the worst case. frame_share_% is the
// mean wall time per step as a per-cent of a 16.7 ms frame. Prints figures, asserts nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollArea>
#include <memory>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "frame_share.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

// The trainer with the practice room open on flash arithmetic, shown, four-digit chains of
// fifteen numbers.
struct OpenFlashRoom {
    OpenFlashRoom() : window(services.bind(random, metrics, "/nonexistent-folder")) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        view = std::make_unique<TrainerView>(window);
        view->show();
        send(Event{EventKind::Menu, "Form1_main", -1, "闪电心算…"});
        send(Event{EventKind::Choose, "drill.Combo2", 3, {}});
        send(Event{EventKind::Choose, "drill.Combo3", 8, {}});
    }

    // Sends an event through the view and lets the event loop paint what changed.
    void send(const Event& event) {
        view->send(event);
        QApplication::processEvents();
    }

    // Ticks the flash timer; a chain that has reached "？" is stopped and a new set started.
    void tick() {
        if (window.drillState.phase == ChainPhase::Answering || !window.drillState.setRunning) {
            send(Event{EventKind::Click, "drill.Command1", -1, {}});
            if (!window.drillState.setRunning)
                send(Event{EventKind::Click, "drill.Command1", -1, {}});
        }
        send(Event{EventKind::Tick, "drill.Timer1", -1, {}});
    }

    void setZoom(int zoom) {
        window.state.zoomPercent = zoom;
        view->sync();
        QApplication::processEvents();
    }

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};

OpenFlashRoom* room = nullptr;

// Sets the zoom and the view ("看数" or "看珠") the benchmark's arguments ask for.
void prepare(const benchmark::State& state) {
    room->setZoom(static_cast<int>(state.range(0)));
    const bool beads = state.range(1) != 0;
    if ((room->window.drill.Command5.caption() == "看珠") != beads) {
        room->send(Event{EventKind::Click, "drill.Command5", -1, {}});
    }
}

void FlashTickWithSyncAndPaint(benchmark::State& state) {
    prepare(state);
    timeAsFrameShare(state, [] { room->tick(); });
}

void WholeRoomRepaint(benchmark::State& state) {
    prepare(state);
    room->tick();
    QWidget* design = room->view->practiceRoom()->findChild<QScrollArea*>()->widget();
    timeAsFrameShare(state, [design] { design->repaint(); });
}

BENCHMARK(FlashTickWithSyncAndPaint)
    ->ArgsProduct({{100, 200}, {0, 1}})
    ->ArgNames({"zoom", "beads"})
    ->UseRealTime();
BENCHMARK(WholeRoomRepaint)
    ->ArgsProduct({{100, 200}, {0, 1}})
    ->ArgNames({"zoom", "beads"})
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    OpenFlashRoom open;
    room = &open;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
