#pragma once
// Where a window's keyboard focus is, as its handlers last moved it.

#include <cstdint>

#include "model/element.h"

struct KeyboardFocus {
    // The element holding the keyboard focus; none until a handler moves it.
    const Element* focus = nullptr;
    // Counts the handlers' focus moves, so the view also repeats a move to the same element.
    std::uint64_t focusMoves = 0;
    // Gives `element` the keyboard focus.
    void moveFocus(const Element& element) {
        focus = &element;
        ++focusMoves;
    }
};
