#pragma once
// One movable bead of the practice room's board: an oval across its rod in the main board's
// bead style, painted at the screen's resolution so it stays crisp at every zoom; a click on
// it moves it. A bead marked as one to move next wears a yellow ring edged in black, which shows
// on every bead colour and on the board's wood in both colour schemes.

#include <QColor>
#include <QWidget>

#include "desktop/widgets/clickable_widget.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class BeadView : public ClickableWidget, public ElementView {
    Q_OBJECT

  public:
    BeadView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<std::string> style_;
    QColor colour_;
    bool outlined_ = false;
    bool marked_ = false;
};
