#pragma once
// A rectangle: outlined in its fore colour, filled with its fill colour, or both. An outline
// thicker than one pixel grows with the view's zoom.

#include <QWidget>

#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class ShapeView : public QWidget, public ElementView {
    Q_OBJECT

  public:
    explicit ShapeView(QWidget* parent);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<ElementColours> colours_;
    ElementColours colourValues_;
    int outline_ = 1;  // pixels
};
