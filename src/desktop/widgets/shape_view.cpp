#include "desktop/widgets/shape_view.h"

#include <QPainter>

#include "desktop/widgets/twips.h"

ShapeView::ShapeView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element)) || thickness_ != element.thickness) {
        colourValues_ = coloursOf(element);
        thickness_ = element.thickness;
        update();
    }
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (colourValues_.fill) painter.fillRect(rect(), qtColour(*colourValues_.fill));
    if (colourValues_.fore) {
        const int half = thickness_ / 2;
        painter.setPen(QPen(qtColour(*colourValues_.fore), thickness_));
        painter.drawRect(rect().adjusted(half, half, -1 - half, -1 - half));
    }
}
