#pragma once
// A rectangle: outlined in its fore colour (its thickness in pixels), filled with its fill
// colour, or both.

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
    int thickness_ = 1;
};
