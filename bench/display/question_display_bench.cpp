// A rod click, a display-mode click and a family switch (all fifteen rods change) through
// dispatch, each followed by the view's sync and the repaint of what changed, as the event
// loop paints it; a rod click with a repaint of the whole window as the worst case; the
// layout and the board on their own. frame_share_% is the mean wall time per event as a
// per-cent of a 16.7 ms frame. Prints figures, asserts nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "display/abacus_board.h"
#include "display/question_layout.h"
#include "engine/uniform_random.h"
#include "frame_share.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

// The trainer after start-up with a four-digit question on the line and the board shown.
struct ShownQuestion {
    ShownQuestion() : window(services.bind(random, metrics, "/nonexistent-folder")) {
        dispatch(window, Event{EventKind::Load, {}, -1, {}});
        MainForm& form = window.form;
        form.Label11.setCaption("1234");
        form.Label12.setCaption("×");
        form.Label13.setCaption("56");
        form.Label14.setCaption("=");
        form.Label15.setCaption("(     )");
        form.Label18.visible = true;
        window.state.blankPosition = 1;
        aaa(window);
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

ShownQuestion* shown = nullptr;

// Sends one event through the view (dispatch, then sync) and lets the event loop paint
// what changed.
void sendAndPaint(const char* element) {
    shown->view->send(Event{EventKind::Click, element, -1, {}});
    QApplication::processEvents();
}

void RodClickWithSyncAndPaint(benchmark::State& state) {
    timeAsFrameShare(state, [] { sendAndPaint("Picture5"); });
}

void DisplayModeClickWithSyncAndPaint(benchmark::State& state) {
    timeAsFrameShare(state, [] { sendAndPaint("Label16"); });
}

void FamilySwitchWithSyncAndPaint(benchmark::State& state) {
    timeAsFrameShare(state, [] { sendAndPaint("Label10"); });
}

void RodClickWithWholeWindowRepaint(benchmark::State& state) {
    timeAsFrameShare(state, [] {
        shown->view->send(Event{EventKind::Click, "Picture5", -1, {}});
        shown->view->mainWindow().repaint();
    });
}

void LayoutAlone(benchmark::State& state) {
    const char* const modes[] = {"珠心算", "心算", "珠算"};
    const char* const layouts[] = {"单  列", "竖  式"};
    int turn = 0;
    timeAsFrameShare(state, [&] {
        shown->window.form.Label16.setCaption(modes[turn % 3]);
        shown->window.form.Command8.setCaption(layouts[turn / 3 % 2]);
        aaa(shown->window);
        ++turn;
    });
}

void BoardAlone(benchmark::State& state) {
    timeAsFrameShare(state, [] { zmt(shown->window); });
}

BENCHMARK(RodClickWithSyncAndPaint)->UseRealTime();
BENCHMARK(DisplayModeClickWithSyncAndPaint)->UseRealTime();
BENCHMARK(FamilySwitchWithSyncAndPaint)->UseRealTime();
BENCHMARK(RodClickWithWholeWindowRepaint)->UseRealTime();
BENCHMARK(LayoutAlone)->UseRealTime();
BENCHMARK(BoardAlone)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const BenchApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShownQuestion question;
    shown = &question;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
