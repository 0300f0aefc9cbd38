#include "desktop/widgets/timer_view.h"

TimerView::TimerView(QObject* parent, std::string eventName, EventSink sink)
    : QObject(parent), timer_(this), sink_(std::move(sink)), eventName_(std::move(eventName)) {
    setObjectName(QString::fromStdString(eventName_));
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    clock_.start();
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void TimerView::scheduleAfter(qint64 from, int interval) {
    interval_ = interval;
    due_ = from + interval;
    const qint64 now = clock_.elapsed();
    if (due_ + interval < now) due_ = now + interval;
    timer_.start(static_cast<int>(due_ > now ? due_ - now : 0));
}

void TimerView::tick() {
    tickDue_ = due_;
    inTick_ = true;
    restartedInTick_ = false;
    sink_(Event{EventKind::Tick, eventName_, -1, {}});
    inTick_ = false;
    if (!restartedInTick_ && interval_ > 0 && !timer_.isActive()) {
        scheduleAfter(tickDue_, interval_);
    }
}

void TimerView::sync(const Element& element) {
    const bool running = element.enabled && element.interval > 0;
    const bool restarted = starts_.changed(element.timerStarts);
    if (!running) {
        timer_.stop();
        interval_ = 0;
        return;
    }
    if (restarted && inTick_) {
        restartedInTick_ = true;
        scheduleAfter(tickDue_, element.interval);
    } else if (restarted || interval_ != element.interval || (!timer_.isActive() && !inTick_)) {
        scheduleAfter(clock_.elapsed(), element.interval);
    }
}
