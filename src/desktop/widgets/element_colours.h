#pragma once
// The colours of an element as one value, and how widgets of each sort take them.

#include <optional>

#include "model/element.h"

class QWidget;

struct ElementColours {
    Rgb back;
    std::optional<Rgb> fore;
    std::optional<Rgb> fill;
    bool system = false;
    bool operator==(const ElementColours&) const = default;
};

// The colours the element shows: the design's, or the clear scheme's when that is on.
ElementColours coloursOf(const Element& element);
// An edit field or list: back colour behind the text, fore colour for the text.
void colourTextBox(QWidget& widget, const ElementColours& colours);
// A frame or picture: back colour behind everything it holds.
void colourBackground(QWidget& widget, const ElementColours& colours);
