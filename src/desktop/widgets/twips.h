#pragma once
// Conversions between the model's twips and colours and what the widgets take.

#include <QColor>
#include <QRect>
#include <cmath>

#include "desktop/form/view_appearance.h"
#include "model/element.h"

inline constexpr int kTwipsPerPixel = 15;

// A length in twips as logical pixels at the view's zoom.
inline int pixelsOf(int twips) {
    return static_cast<int>(std::lround(twips * zoomFactor() / kTwipsPerPixel));
}

// The element's rectangle inside its container, in logical pixels.
inline QRect pixelRect(const Element& element) {
    const int left = pixelsOf(element.left);
    const int top = pixelsOf(element.top);
    return {left, top, pixelsOf(element.left + element.width) - left,
            pixelsOf(element.top + element.height) - top};
}

inline QColor qtColour(const Rgb& colour) { return {colour.red, colour.green, colour.blue}; }
