#pragma once
// The part of a sync every element widget shares: shown, enabled, place, tooltip and font at
// the view's zoom.

#include <QRect>
#include <string>
#include <utility>

#include "desktop/widgets/remembered.h"
#include "model/element.h"

class QWidget;

class WidgetBasics {
  public:
    // Copies what changed onto `widget`, placing it at `rect` (pixels inside its container).
    void sync(QWidget& widget, const Element& element, const QRect& rect);
    // True when the last sync changed the font.
    bool fontChanged() const { return fontChanged_; }

  private:
    Remembered<bool> visible_;
    Remembered<bool> enabled_;
    Remembered<QRect> rect_;
    Remembered<std::string> tooltip_;
    Remembered<std::pair<FontSpec, double>> font_;
    bool fontChanged_ = false;
};
