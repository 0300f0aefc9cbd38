#include "ui/qt/picture_view.h"

#include <QPainter>

#include "ui/qt/picture_lookup.h"
#include "ui/qt/twips.h"

PictureView::PictureView(QWidget* parent, std::string eventName, EventSink sink)
    : ClickableWidget(parent, std::move(eventName), std::move(sink)) {}

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
