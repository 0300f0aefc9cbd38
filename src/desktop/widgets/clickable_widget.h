#pragma once
// A painted widget that reports a left click released inside it as a Click event.

#include <QWidget>
#include <string>

#include "desktop/widgets/element_view.h"

class ClickableWidget : public QWidget {
  public:
    ClickableWidget(QWidget* parent, std::string eventName, EventSink sink,
                    Qt::WindowFlags flags = {});

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::string eventName_;
    EventSink sink_;
};
