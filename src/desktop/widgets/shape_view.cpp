#include "desktop/widgets/shape_view.h"

#include <QPainter>

#include "desktop/widgets/twips.h"

ShapeView::ShapeView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) {
        colourValues_ = coloursOf(element);
        update();
    }
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (colourValues_.fill) painter.fillRect(rect(), qtColour(*colourValues_.fill));
    if (colourValues_.fore) {
        painter.setPen(qtColour(*colourValues_.fore));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
