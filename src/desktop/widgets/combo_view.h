#pragma once
// A drop-down list with an edit field: a choice from the list and typing into the field are
// events; the field shows the model's text and the list the model's selected item.

#include <QComboBox>
#include <string>
#include <vector>

#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class ComboView : public QComboBox, public ElementView {
    Q_OBJECT

  public:
    ComboView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<std::vector<std::string>> items_;
    Remembered<int> index_;
    Remembered<ElementColours> colours_;
};
