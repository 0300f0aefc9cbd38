#pragma once
// A picture box or an abacus rod: its back colour with its picture, unscaled, in the top-left
// corner.

#include <QPixmap>
#include <QWidget>

#include "desktop/widgets/clickable_widget.h"
#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class PictureView : public ClickableWidget, public ElementView {
    Q_OBJECT

  public:
    PictureView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
    std::string pictureName_;
    QPixmap picture_;  // painted for the screen it was last shown on; null until then
};
