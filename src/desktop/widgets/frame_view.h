#pragma once
// A frame that holds other elements: an etched border filled with its back colour, with the
// caption set into the top border; without a caption the border runs along the top edge.

#include <QWidget>

#include "desktop/widgets/clickable_widget.h"
#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class FrameView : public ClickableWidget, public ElementView {
    Q_OBJECT

  public:
    FrameView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<std::string> caption_;
    Remembered<ElementColours> colours_;
    QString title_;
    ElementColours colourValues_;
};
