#include "desktop/widgets/line_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/widgets/twips.h"

LineView::LineView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineView::sync(const Element& element) {
    const QPoint from(pixelsOf(element.x1), pixelsOf(element.y1));
    const QPoint to(pixelsOf(element.x2), pixelsOf(element.y2));
    const int thickness =
        std::max(1, static_cast<int>(std::lround(element.thickness * zoomFactor())));
    const QRect box =
        QRect(from, to).normalized().adjusted(-thickness, -thickness, thickness, thickness);
    basics_.sync(*this, element, box);
    const QLine line(from - box.topLeft(), to - box.topLeft());
    if (line != line_ || thickness != thickness_) {
        line_ = line;
        thickness_ = thickness;
        update();
    }
    if (colours_.changed(coloursOf(element))) {
        colour_ = element.foreColor ? qtColour(*element.foreColor) : QColor(Qt::black);
        update();
    }
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, thickness_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line_);
}
