// Flashes chains of fifteen numbers in the practice room at 0.1 s (at 100 % and 200 %), 0.2 s
// and 1.0 s a number and
// records when the flashed number's label is painted with each caption. For every number it
// prints the error of its time on screen (from the paint that shows it to the paint that blanks
// it) against its span, and of the whole chain (first number's paint to the "？" paint)
// against 15 periods; the goal is every figure within one 60 Hz frame (16.7 ms).
// Prints figures, asserts nothing.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_application.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/qt_text_metrics.h"
#include "engine/uniform_random.h"
#include "flash/flash_chain.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

namespace {

constexpr int kNumbers = 15;

// One paint of the flashed label: when, and which caption it showed.
struct Paint {
    qint64 milliseconds;
    std::string caption;
};

// Notes every paint of the flashed label with the caption the model gives it at that moment.
class PaintRecorder : public QObject {
  public:
    PaintRecorder(const Element& label, QElapsedTimer& clock) : label_(label), clock_(clock) {}
    std::vector<Paint> paints;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            (paints.empty() || paints.back().caption != label_.caption())) {
            paints.push_back({clock_.elapsed(), label_.caption()});
        }
        return false;
    }

  private:
    const Element& label_;
    QElapsedTimer& clock_;
};

// Flashes one set of one chain at `speedIndex` with the windows at `zoom` per cent and prints
// its figures.
void measure(int speedIndex, int periodMilliseconds, int zoom) {
    UniformRandom random{3};
    RecordingServices services;
    QtTextMetrics metrics;
    WindowContext window(services.bind(random, metrics, "/nonexistent-folder"));
    dispatch(window, Event{EventKind::Load, {}, -1, {}});
    window.state.zoomPercent = static_cast<std::int16_t>(zoom);
    auto view = std::make_unique<TrainerView>(window);
    view->show();
    view->send(Event{EventKind::Menu, "Form1_main", -1, "闪电心算…"});
    view->send(Event{EventKind::Choose, "drill.Combo3", 8, {}});
    view->send(Event{EventKind::Choose, "drill.Combo4", speedIndex, {}});
    view->send(Event{EventKind::Choose, "drill.Combo5", 0, {}});
    QApplication::processEvents();
    QWidget* label = view->practiceRoom()->findChild<QWidget*>("drill.Label1");
    QElapsedTimer clock;
    clock.start();
    PaintRecorder recorder(window.drill.Label1, clock);
    label->installEventFilter(&recorder);
    view->send(Event{EventKind::Click, "drill.Command1", -1, {}});
    while (window.drillState.phase != ChainPhase::Answering && clock.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    QApplication::processEvents();
    const FlashSpans spans = flashSpans(periodMilliseconds);
    std::vector<qint64> errors;
    qint64 firstShown = -1;
    qint64 asked = -1;
    for (std::size_t i = 0; i + 1 < recorder.paints.size(); ++i) {
        const Paint& paint = recorder.paints[i];
        const bool number =
            !paint.caption.empty() && paint.caption != "预备" && paint.caption != "？";
        if (!number) continue;
        if (firstShown < 0) firstShown = paint.milliseconds;
        errors.push_back(recorder.paints[i + 1].milliseconds - paint.milliseconds -
                         spans.shownMilliseconds);
    }
    for (const Paint& paint : recorder.paints) {
        if (paint.caption == "？") asked = paint.milliseconds;
    }
    const auto worst = std::max_element(
        errors.begin(), errors.end(), [](qint64 a, qint64 b) { return std::abs(a) < std::abs(b); });
    std::printf("%.2f s a number at %d %%: %zu numbers painted, worst shown-time error %lld ms, ",
                periodMilliseconds / 1000.0, zoom, errors.size(),
                worst != errors.end() ? static_cast<long long>(*worst) : 0LL);
    std::printf("chain total error %lld ms (goal: each within 16.7 ms)\n",
                static_cast<long long>(asked - firstShown - kNumbers * periodMilliseconds));
    std::printf("  per number:");
    for (const qint64 error : errors) std::printf(" %+lld", static_cast<long long>(error));
    std::printf("\n");
    std::fflush(stdout);
    label->removeEventFilter(&recorder);
}

}  // namespace

int main(int argc, char** argv) {
    BenchApplication application(argc, argv);
    measure(0, 100, 100);
    measure(0, 100, 200);
    measure(2, 200, 100);
    measure(8, 1000, 100);
    return 0;
}
