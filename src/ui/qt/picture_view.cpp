#include "ui/qt/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/picture_lookup.h"
#include "ui/qt/twips.h"

PictureView::PictureView(QWidget* parent, std::string eventName, EventSink sink)
    : QWidget(parent), eventName_(std::move(eventName)), sink_(std::move(sink)) {}

void PictureView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) colourBackground(*this, coloursOf(element));
    if (pictureName_.changed(element.picture)) {
        picture_ = pictureNamed(element.picture);
        update();
    }
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        sink_(Event{EventKind::Click, eventName_, -1, {}});
    }
}
