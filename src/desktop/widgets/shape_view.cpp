#include "desktop/widgets/shape_view.h"

#include <QPainter>
#include <cmath>

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
    const int outline =
        element.thickness > 1 ? static_cast<int>(std::lround(element.thickness * zoomFactor())) : 1;
    if (outline != outline_) {
        outline_ = outline;
        update();
    }
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (colourValues_.fill) painter.fillRect(rect(), qtColour(*colourValues_.fill));
    if (!colourValues_.fore) return;
    if (outline_ == 1) {
        painter.setPen(qtColour(*colourValues_.fore));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const QColor colour = qtColour(*colourValues_.fore);
    const QRect inner = rect().adjusted(outline_, outline_, -outline_, -outline_);
    painter.fillRect(QRect(0, 0, width(), outline_), colour);
    painter.fillRect(QRect(0, inner.bottom() + 1, width(), outline_), colour);
    painter.fillRect(QRect(0, outline_, outline_, inner.height()), colour);
    painter.fillRect(QRect(inner.right() + 1, outline_, outline_, inner.height()), colour);
}
