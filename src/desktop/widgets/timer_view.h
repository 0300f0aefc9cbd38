#pragma once
// A timer element: a QTimer on the user-interface thread that runs while the element is
// enabled with an interval above 0, starts its count afresh whenever a handler restarts the
// timer, and reports each tick.

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
    QTimer timer_;
    Remembered<std::uint64_t> starts_;
};
