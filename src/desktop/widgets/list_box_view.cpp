#include "desktop/widgets/list_box_view.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <algorithm>

#include "desktop/record_list/record_list_menu.h"
#include "desktop/widgets/twips.h"

ListBoxView::ListBoxView(QWidget* parent, std::string eventName, EventSink sink)
    : QListView(parent), rows_(this) {
    setModel(&rows_);
    setUniformItemSizes(true);
    // A line wider than the list is cut at its edge, never shortened with an ellipsis, so a
    // row of stars or a long name keeps every character it shows.
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Any line may be on top, the last one included, so the scroll bar is always there.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A click says which line it chose.
    connect(this, &QListView::clicked, this, [name = eventName, sink](const QModelIndex& line) {
        sink(Event{EventKind::Click, name, line.row(), {}});
    });
    connect(this, &QListView::doubleClicked, this,
            [name = eventName, sink](const QModelIndex& line) {
                sink(Event{EventKind::DoubleClick, name, line.row(), {}});
            });
    // A person's scrolling tells the model which line is now on top.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, name = eventName, sink](int line) {
                if (placing_) return;
                topLine_ = line;
                sink(Event{EventKind::Scroll, name, line, {}});
            });
    attachRecordListMenu(
        *this, [this] { return rows_.lines(); },
        [name = std::move(eventName), sink = std::move(sink)](const std::string& item) {
            sink(Event{EventKind::Menu, name, -1, item});
        });
}

void ListBoxView::sync(const Element& element) {
    {
        // Only a person's scrolling is reported; what the model changes moves the list silently.
        const QScopedValueRollback<bool> silently(placing_, true);
        basics_.sync(*this, element, pixelRect(element));
        if (colours_.changed(coloursOf(element))) colourTextBox(*this, coloursOf(element));
        if (rows_.sync(element)) {
            index_.forget();
            topIndex_.forget();
        }
        if (index_.changed(element.listIndex)) setCurrentIndex(rows_.index(element.listIndex));
    }
    if (topIndex_.changed(element.topIndex)) placeTopLine(element.topIndex);
}

void ListBoxView::updateGeometries() {
    {
        const QScopedValueRollback<bool> silently(placing_, true);
        QListView::updateGeometries();
    }
    placeTopLine(topLine_);
}

void ListBoxView::placeTopLine(int line) {
    topLine_ = line;
    const QScopedValueRollback<bool> silently(placing_, true);
    verticalScrollBar()->setRange(0, std::max(0, rows_.rowCount() - 1));
    verticalScrollBar()->setValue(line);
}

// A right-click only opens the menu; the highlighted line stays where the model has it.
void ListBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}
