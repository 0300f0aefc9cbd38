#include "desktop/widgets/bead_view.h"

#include <QPainter>
#include <cstdlib>
#include <utility>

#include "desktop/widgets/twips.h"
#include "rod_pictures.h"

namespace {

// The rim of an outlined bead and the gap between neighbouring beads, in pixels at 100 %.
constexpr double kRimWidth = 1.5;
constexpr double kGap = 1.0;
// The ring of a marked bead: its black edge and its yellow middle, in pixels at 100 %.
constexpr double kMarkEdge = 5.0;
constexpr double kMarkMiddle = 2.5;
const QColor kMarkColour{255, 214, 0};

}  // namespace

BeadView::BeadView(QWidget* parent, std::string eventName, EventSink sink)
    : ClickableWidget(parent, std::move(eventName), std::move(sink)) {
    setCursor(Qt::PointingHandCursor);
}

void BeadView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (style_.changed(element.picture)) {
        const BeadLook look = beadLook(std::atoi(element.picture.c_str()));
        colour_ = QColor::fromRgb(look.colour);
        outlined_ = look.outlined;
        update();
    }
    if (marked_ != element.marked) {
        marked_ = element.marked;
        update();
    }
}

// Paints the bead as an oval filling the widget, less a gap above and below, with a black
// rim when its style has one, and the ring of a marked bead along its edge.
void BeadView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double zoom = zoomFactor();
    const double rim = outlined_ ? kRimWidth * zoom : 0;
    const double inset = rim / 2;
    const QRectF oval =
        QRectF(rect()).adjusted(inset, kGap * zoom + inset, -inset, -kGap * zoom - inset);
    painter.setBrush(colour_);
    if (outlined_) {
        painter.setPen(QPen(Qt::black, rim));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawEllipse(oval);
    if (!marked_) return;
    const double edge = kMarkEdge * zoom;
    const QRectF ring = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, edge));
    painter.drawEllipse(ring);
    painter.setPen(QPen(kMarkColour, kMarkMiddle * zoom));
    painter.drawEllipse(ring);
}
