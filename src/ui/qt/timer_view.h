#pragma once
// A timer element: a QTimer that runs while the element is enabled with an interval above 0
// and reports each tick.

#include <QTimer>

#include "ui/qt/element_view.h"
#include "ui/qt/remembered.h"

class TimerView : public QObject, public ElementView {
    Q_OBJECT

  public:
    TimerView(QObject* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return nullptr; }

  private:
    QTimer timer_;
};
