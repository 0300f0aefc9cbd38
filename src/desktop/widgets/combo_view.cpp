#include "desktop/widgets/combo_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "desktop/widgets/twips.h"

namespace {

constexpr double kLeastItemPixels = 24;  // at 100 %, grown with the zoom

// The items of the opened list, tall enough for a child's pointer to find at every zoom.
class TallItems : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int least = static_cast<int>(std::lround(kLeastItemPixels * zoomFactor()));
        size.setHeight(std::max(size.height(), least));
        return size;
    }
};

}  // namespace

ComboView::ComboView(QWidget* parent, std::string eventName, EventSink sink) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setItemDelegate(new TallItems(this));
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [name = eventName, sink](int index) {
        sink(Event{EventKind::Choose, name, index, {}});
    });
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [name = std::move(eventName), sink = std::move(sink)](const QString& text) {
                sink(Event{EventKind::Type, name, -1, text.toStdString()});
            });
}

void ComboView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) colourTextBox(*this, coloursOf(element));

    const QSignalBlocker quiet(this);
    const QString before = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    if (items_.changed(element.items)) {
        clear();
        for (const std::string& item : element.items) addItem(QString::fromStdString(item));
        index_.forget();
    }
    if (index_.changed(element.listIndex)) setCurrentIndex(element.listIndex);
    const QString caption = QString::fromStdString(element.caption());
    if (lineEdit()->text() != caption) setEditText(caption);
    if (caption == before) lineEdit()->setCursorPosition(cursor);
}

bool ComboView::eventFilter(QObject* watched, QEvent* event) {
    // A click anywhere on the list opens it, not only on its arrow.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showPopup();
        return true;
    }
    // Enter in the edit field chooses nothing; only a pick from the list is a choice.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QComboBox::eventFilter(watched, event);
}
