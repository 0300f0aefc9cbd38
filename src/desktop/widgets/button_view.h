#pragma once
// A command button in the desktop's standard colours; the window's default button, the one
// Return presses, is drawn with a heavy frame in the highlight colour while it can be pressed.

#include <QPushButton>

#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class ButtonView : public QPushButton, public ElementView {
    Q_OBJECT

  public:
    ButtonView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<std::string> caption_;
};
