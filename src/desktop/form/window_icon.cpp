#include "desktop/form/window_icon.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor kWood(128, 64, 0);
const QColor kRod(64, 64, 64);
const QColor kUpperBead(255, 0, 0);
const QColor kLowerBead(255, 192, 0);

constexpr int kRods = 4;
constexpr int kLowerBeads = 3;

// One bead: a flat lozenge centred on the rod.
void paintBead(QPainter& painter, double x, double y, double width, double height,
               const QColor& colour) {
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawEllipse(QRectF(x - width / 2, y - height / 2, width, height));
}

}  // namespace

QPixmap paintAbacusIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);

    const double unit = size / 16.0;
    const QRectF inner(2 * unit, 2 * unit, size - 4 * unit, size - 4 * unit);
    const double beam = inner.top() + inner.height() * 0.32;
    const double rodGap = inner.width() / kRods;
    const double beadWidth = rodGap * 0.9;
    const double beadHeight = std::max(2.0, unit * 1.6);

    painter.setPen(QPen(kRod, std::max(1.0, unit / 2)));
    for (int rod = 0; rod < kRods; ++rod) {
        const double x = inner.left() + rodGap * (rod + 0.5);
        painter.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
    }
    for (int rod = 0; rod < kRods; ++rod) {
        const double x = inner.left() + rodGap * (rod + 0.5);
        const bool upperDown = rod % 2 == 0;
        paintBead(painter, x, upperDown ? beam - beadHeight / 2 : inner.top() + beadHeight / 2,
                  beadWidth, beadHeight, kUpperBead);
        const int raised = rod % (kLowerBeads + 1);
        for (int bead = 0; bead < kLowerBeads; ++bead) {
            const double fromBeam = beam + beadHeight * (bead + 0.5);
            const double fromBottom = inner.bottom() - beadHeight * (kLowerBeads - bead - 0.5);
            paintBead(painter, x, bead < raised ? fromBeam : fromBottom, beadWidth, beadHeight,
                      kLowerBead);
        }
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kWood, 2 * unit * 0.75));
    painter.drawRect(QRectF(unit * 1.25, unit * 1.25, size - 2.5 * unit, size - 2.5 * unit));
    painter.setPen(QPen(kWood, std::max(1.0, unit * 0.75)));
    painter.drawLine(QPointF(inner.left(), beam), QPointF(inner.right(), beam));
    return pixmap;
}

QIcon trainerIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(paintAbacusIcon(size));
    return icon;
}
