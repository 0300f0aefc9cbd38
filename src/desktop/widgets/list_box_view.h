#pragma once
// A list box of text lines, such as the record list.

#include <QListView>

#include "desktop/record_list/record_list_model.h"
#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class ListBoxView : public QListView, public ElementView {
    Q_OBJECT

  public:
    ListBoxView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Lets the list scroll until its last line is on top, and keeps the line the model has on
    // top there whenever the toolkit lays the list out again.
    void updateGeometries() override;

  private:
    void placeTopLine(int line);

    RecordListModel rows_;
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
    Remembered<int> index_;
    Remembered<int> topIndex_;
    int topLine_ = 0;
    bool placing_ = false;  // the view itself is moving the scroll bar
};
