#include "desktop/widgets/timer_view.h"

TimerView::TimerView(QObject* parent, std::string eventName, EventSink sink)
    : QObject(parent), timer_(this) {
    setObjectName(QString::fromStdString(eventName));
    connect(&timer_, &QTimer::timeout, this, [name = std::move(eventName), sink = std::move(sink)] {
        sink(Event{EventKind::Tick, name, -1, {}});
    });
}

void TimerView::sync(const Element& element) {
    const bool running = element.enabled && element.interval > 0;
    const bool restarted = starts_.changed(element.timerStarts);
    if (!running) {
        timer_.stop();
    } else if (restarted || !timer_.isActive() || timer_.interval() != element.interval) {
        timer_.start(element.interval);
    }
}
