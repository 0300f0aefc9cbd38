#include "desktop/widgets/button_view.h"

#include <QPainter>

#include "desktop/widgets/twips.h"

namespace {

constexpr double kDefaultFramePixels = 2.5;  // at 100 %, grown with the zoom

}  // namespace

ButtonView::ButtonView(QWidget* parent, std::string eventName, EventSink sink)
    : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [name = std::move(eventName), sink = std::move(sink)] {
                sink(Event{EventKind::Click, name, -1, {}});
            });
}

void ButtonView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (caption_.changed(element.caption())) setText(QString::fromStdString(element.caption()));
    if (isDefault() != element.defaultButton) setDefault(element.defaultButton);
}

void ButtonView::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!isDefault() || !isEnabled()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double frame = kDefaultFramePixels * zoomFactor();
    painter.setPen(QPen(palette().color(QPalette::Highlight), frame));
    painter.drawRoundedRect(QRectF(rect()).adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2),
                            frame, frame);
}
