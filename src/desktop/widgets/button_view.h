#pragma once
// A command button in the desktop's standard colours.

#include <QPushButton>

#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class ButtonView : public QPushButton, public ElementView {
    Q_OBJECT

  public:
    ButtonView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  private:
    WidgetBasics basics_;
    Remembered<std::string> caption_;
};
