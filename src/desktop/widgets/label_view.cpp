#include "desktop/widgets/label_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include "desktop/widgets/qt_font.h"
#include "desktop/widgets/twips.h"

LabelView::LabelView(QWidget* parent, std::string eventName, EventSink sink)
    : ClickableWidget(parent, eventName, sink),
      eventName_(std::move(eventName)),
      sink_(std::move(sink)) {}

// The label's own right-click menu, when the model gives it items.
void LabelView::contextMenuEvent(QContextMenuEvent* event) {
    if (menuItems_.empty()) {
        ClickableWidget::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    for (const std::string& item : menuItems_) {
        menu.addAction(QString::fromStdString(item), this, [this, item] {
            sink_(Event{EventKind::Menu, eventName_, -1, item});
        });
    }
    menu.exec(event->globalPos());
}

void LabelView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    bool repaint = basics_.fontChanged();
    fontSpec_ = element.font;
    if (caption_.changed(element.caption())) {
        text_ = QString::fromStdString(element.caption());
        repaint = true;
    }
    if (colours_.changed(coloursOf(element))) {
        colourValues_ = coloursOf(element);
        repaint = true;
    }
    const CaptionStyle style{element.alignment, element.multiLine, element.verticalText,
                             element.centredVertically};
    if (style_.changed(style)) {
        styleValue_ = style;
        repaint = true;
    }
    if (hollow_.changed(element.hollowText)) {
        hollowValue_ = element.hollowText;
        repaint = true;
    }
    menuItems_ = element.menuItems;
    if (repaint) update();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colourValues_.system ? colours.color(QPalette::Base)
                                                  : qtColour(colourValues_.back));
    // An empty caption draws nothing; laying it out would still load its font.
    if (text_.isEmpty()) return;
    QColor textColour = colourValues_.fore && !colourValues_.system ? qtColour(*colourValues_.fore)
                                                                    : colours.color(QPalette::Text);
    if (!isEnabled()) textColour = colours.color(QPalette::Disabled, QPalette::WindowText);

    // The caption is laid out at the design size and drawn scaled, so that a zoomed caption
    // keeps the proportions its label was measured for.
    const double zoom = zoomFactor();
    const QFont designFont = qtFont(fontSpec_);
    painter.scale(zoom, zoom);
    painter.setFont(designFont);
    std::vector<CaptionLine> lines = layoutCaption(text_, designFont, width() / zoom, styleValue_);
    if (styleValue_.centredVertically) centreDigitsVertically(lines, designFont, height() / zoom);
    if (styleValue_.centredVertically && styleValue_.alignment == Alignment::Centre) {
        centreInkHorizontally(lines, designFont, width() / zoom);
    }
    if (hollowValue_) {
        QPainterPath outline;
        for (const CaptionLine& line : lines) outline.addText(line.baseline, designFont, line.text);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(outline, QPen(textColour, 1));
    } else {
        painter.setPen(textColour);
        for (const CaptionLine& line : lines) painter.drawText(line.baseline, line.text);
    }
}
