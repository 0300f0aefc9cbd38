#pragma once
// A one-line text box; a click on it and typing into it are events of its own.

#include <QLineEdit>

#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class TextBoxView : public QLineEdit, public ElementView {
    Q_OBJECT

  public:
    TextBoxView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    std::string eventName_;
    EventSink sink_;
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
};
