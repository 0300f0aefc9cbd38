#include "desktop/widgets/text_box_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "desktop/widgets/twips.h"

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

// The usual editing menu, with "选择学习者…" added for the learners list.
void TextBoxView::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->addSeparator();
    const QString item = QStringLiteral("选择学习者…");
    menu->addAction(item, this, [this, item] {
        sink_(Event{EventKind::Menu, eventName_, -1, item.toStdString()});
    });
    menu->exec(event->globalPos());
}

void TextBoxView::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        sink_(Event{EventKind::Click, eventName_, -1, {}});
    }
}
