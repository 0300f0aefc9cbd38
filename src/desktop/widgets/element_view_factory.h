#pragma once
// Builds the view that shows one element, by the element's kind.

#include <string>

#include "desktop/widgets/element_view.h"

class QWidget;

// A new view for `element` inside `container`, reporting its events under `eventName`;
// owned by `container`.
ElementView* createElementView(const Element& element, QWidget& container,
                               const std::string& eventName, const EventSink& sink);
