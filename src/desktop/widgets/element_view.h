#pragma once
// What the view keeps for each model element: something that shows it and copies the
// element's changes onto itself, and the path by which a person's actions reach dispatch.

#include <functional>

#include "ui/dispatch.h"

class QWidget;

// Hands an event to the dispatcher and brings the widgets up to date afterwards.
using EventSink = std::function<void(const Event&)>;

class ElementView {
  public:
    virtual ~ElementView() = default;
    // Copies whatever changed in `element` since the last sync onto the widget.
    virtual void sync(const Element& element) = 0;
    // The widget that shows the element; nullptr for a timer.
    virtual QWidget* widget() = 0;
};
