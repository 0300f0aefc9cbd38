#include "desktop/widgets/clickable_widget.h"

#include <QMouseEvent>
#include <utility>

ClickableWidget::ClickableWidget(QWidget* parent, std::string eventName, EventSink sink,
                                 Qt::WindowFlags flags)
    : QWidget(parent, flags), eventName_(std::move(eventName)), sink_(std::move(sink)) {}

void ClickableWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        sink_(Event{EventKind::Click, eventName_, -1, {}});
    }
}
