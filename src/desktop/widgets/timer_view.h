#pragma once
// A timer element: a timer on the user-interface thread that runs while the element is enabled
// with an interval above 0, starts its count afresh whenever a handler restarts the timer, and
// reports each tick. Ticks keep their cadence against the monotonic clock: the next tick is due
// one interval after the tick before was due, also when the tick's own handler restarts the
// timer with a new interval (the flash timer does, span by span), so no handler's time and no
// paint add up into drift. A tick more than an interval late is dropped, not queued.

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

#include "desktop/widgets/element_view.h"
#include "desktop/widgets/remembered.h"

class TimerView : public QObject, public ElementView {
    Q_OBJECT

  public:
    TimerView(QObject* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return nullptr; }

  private:
    // Schedules the next tick `interval` milliseconds after `from` on the monotonic clock.
    void scheduleAfter(qint64 from, int interval);
    // Reports a tick, then keeps the cadence unless the handler restarted or stopped the timer.
    void tick();

    QTimer timer_;
    QElapsedTimer clock_;
    EventSink sink_;
    std::string eventName_;
    int interval_ = 0;
    qint64 due_ = 0;  // when the next tick is due
    bool inTick_ = false;
    bool restartedInTick_ = false;
    qint64 tickDue_ = 0;  // when the tick being handled was due
    Remembered<std::uint64_t> starts_;
};
