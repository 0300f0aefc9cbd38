#include "ui/qt/list_box_view.h"

#include <QMouseEvent>

#include "ui/qt/record_list_menu.h"
#include "ui/qt/twips.h"

ListBoxView::ListBoxView(QWidget* parent, std::string eventName, EventSink sink)
    : QListView(parent), rows_(this) {
    setModel(&rows_);
    setUniformItemSizes(true);
    // A line wider than the list is cut at its edge, never shortened with an ellipsis, so a
    // row of stars or a long name keeps every character it shows.
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListView::clicked, this, [name = eventName, sink] {
        sink(Event{EventKind::Click, name, -1, {}});
    });
    attachRecordListMenu(
        *this, [this] { return rows_.lines(); },
        [name = std::move(eventName), sink = std::move(sink)](const std::string& item) {
            sink(Event{EventKind::Menu, name, -1, item});
        });
}

void ListBoxView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) colourTextBox(*this, coloursOf(element));
    if (rows_.sync(element)) index_.forget();
    if (index_.changed(element.listIndex)) {
        const QModelIndex row = rows_.index(element.listIndex);
        setCurrentIndex(row);
        if (row.isValid()) scrollTo(row);
    }
}

// A right-click only opens the menu; the highlighted line stays where the model has it.
void ListBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}
