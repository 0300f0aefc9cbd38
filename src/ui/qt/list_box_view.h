#pragma once
// A list box of text lines, such as the record list.

#include <QListView>

#include "ui/qt/element_colours.h"
#include "ui/qt/element_view.h"
#include "ui/qt/record_list_model.h"
#include "ui/qt/widget_basics.h"

class ListBoxView : public QListView, public ElementView {
    Q_OBJECT

  public:
    ListBoxView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    RecordListModel rows_;
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
    Remembered<int> index_;
};
