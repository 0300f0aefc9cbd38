#include "ui/qt/text_box_view.h"

#include <QMouseEvent>

#include "ui/qt/twips.h"

TextBoxView::TextBoxView(QWidget* parent, std::string eventName, EventSink sink)
    : QLineEdit(parent), eventName_(std::move(eventName)), sink_(std::move(sink)) {
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        sink_(Event{EventKind::Type, eventName_, -1, text.toStdString()});
    });
}

void TextBoxView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) colourTextBox(*this, coloursOf(element));
    const QString caption = QString::fromStdString(element.caption());
    if (text() != caption) setText(caption);
}

void TextBoxView::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        sink_(Event{EventKind::Click, eventName_, -1, {}});
    }
}
