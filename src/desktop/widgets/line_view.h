#pragma once
// A straight line between two points of its container, of a given thickness.

#include <QLine>
#include <QWidget>

#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class LineView : public QWidget, public ElementView {
    Q_OBJECT

  public:
    explicit LineView(QWidget* parent);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
    QColor colour_;
    QLine line_;  // in the widget's own pixels
    int thickness_ = 1;
};
