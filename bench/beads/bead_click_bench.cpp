// A bead click in the practice room's bead drill through dispatch, followed by the view's sync
// and the repaint of what changed as the event loop paints it, at 100 % and 200 %: a free bead
// moved between sets and a wrong click undone with its hint during a question; a click with a
// repaint of the whole room as the worst case. frame_share_% is the
// mean wall time per click as a per-cent of a 16.7 ms frame. Prints figures, asserts nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollArea>
#include <memory>
#include <string>

#include "beads/bead_room.h"
#include "beads/board_steps.h"
#include "beads/move_judgement.h"
#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "frame_share.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

// The trainer with the practice room open on the bead drill, shown.
struct OpenBeadRoom {
    OpenBeadRoom() : window(services.bind(random, metrics, "/nonexistent-folder")) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        view = std::make_unique<TrainerView>(window);
        view->show();
        view->send(Event{EventKind::Menu, "Form1_main", -1, "拨珠练习…"});
        QApplication::processEvents();
    }

    UniformRandom random{1};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window;
    std::unique_ptr<TrainerView> view;
};

OpenBeadRoom* room = nullptr;

// The event name of a bead.
std::string beadName(int rod, int bead) {
    const std::string array = bead == kUpperBead ? "Upper" : "Lower" + std::to_string(bead);
    return "drill." + array + "(" + std::to_string(rod) + ")";
}

// Draws the room at the zoom the benchmark's argument asks for.
void setZoom(const benchmark::State& state) {
    room->window.state.zoomPercent = static_cast<int>(state.range(0));
    room->view->sync();
    QApplication::processEvents();
}

// Sends a click on a bead through the view (dispatch, then sync) and lets the event loop paint
// what changed.
void clickAndPaint(const std::string& bead) {
    room->view->send(Event{EventKind::Click, bead, -1, {}});
    QApplication::processEvents();
}

// Starts a set, or stops it when one runs.
void pressStart() { clickAndPaint("drill.Command1"); }

// The first bead click of the question's first step that is wrong.
std::string wrongBead() {
    const BeadDrillState& beads = room->window.drillState.beads;
    const BeadBoard board = shownBoard(room->window.drill);
    const BeadBoard target =
        boardSteps({beads.first, beads.subtract, beads.second, 0}).front().target;
    for (int rod = 0;; ++rod) {
        if (judgeMove(board, clickBead(board, rod, 1), target) == MoveVerdict::Wrong) {
            return beadName(rod, 1);
        }
    }
}

void FreeBeadClickWithSyncAndPaint(benchmark::State& state) {
    setZoom(state);
    timeAsFrameShare(state, [] { clickAndPaint("drill.Lower2(3)"); });
}

void WrongClickUndoneWithHint(benchmark::State& state) {
    setZoom(state);
    pressStart();
    const std::string bead = wrongBead();
    timeAsFrameShare(state, [&] { clickAndPaint(bead); });
    pressStart();
}

void BeadClickWithWholeRoomRepaint(benchmark::State& state) {
    setZoom(state);
    timeAsFrameShare(state, [] {
        room->view->send(Event{EventKind::Click, "drill.Upper(5)", -1, {}});
        room->view->practiceRoom()->findChild<QScrollArea*>()->widget()->repaint();
    });
}

BENCHMARK(FreeBeadClickWithSyncAndPaint)->Arg(100)->Arg(200)->ArgName("zoom")->UseRealTime();
BENCHMARK(WrongClickUndoneWithHint)->Arg(100)->Arg(200)->ArgName("zoom")->UseRealTime();
BENCHMARK(BeadClickWithWholeRoomRepaint)->Arg(100)->Arg(200)->ArgName("zoom")->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    OpenBeadRoom open;
    room = &open;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
