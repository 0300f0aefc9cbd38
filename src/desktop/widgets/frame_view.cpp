#include "desktop/widgets/frame_view.h"

#include <QPainter>

#include "desktop/widgets/twips.h"

namespace {
constexpr int kTitleIndent = 8;  // pixels from the left edge to the caption
constexpr int kTitleGap = 2;     // pixels of border left open around the caption
const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);
}  // namespace

FrameView::FrameView(QWidget* parent, std::string eventName, EventSink sink)
    : ClickableWidget(parent, std::move(eventName), std::move(sink)) {}

void FrameView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    bool repaint = basics_.fontChanged();
    if (caption_.changed(element.caption())) {
        title_ = QString::fromStdString(element.caption());
        repaint = true;
    }
    if (colours_.changed(coloursOf(element))) {
        colourValues_ = coloursOf(element);
        repaint = true;
    }
    if (repaint) update();
}

void FrameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qtColour(colourValues_.back));

    const QFontMetrics metrics(font());
    const int borderTop = title_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border(0, borderTop, width() - 2, height() - borderTop - 2);
    painter.setPen(kShadow);
    painter.drawRect(border);
    painter.setPen(kHighlight);
    painter.drawRect(border.translated(1, 1));
    if (title_.isEmpty()) return;

    const int titleWidth = metrics.horizontalAdvance(title_);
    painter.fillRect(kTitleIndent - kTitleGap, 0, titleWidth + 2 * kTitleGap, metrics.height(),
                     qtColour(colourValues_.back));
    painter.setPen(colourValues_.fore
                       ? qtColour(*colourValues_.fore)
                       : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                         QPalette::WindowText));
    painter.drawText(kTitleIndent, metrics.ascent(), title_);
}
