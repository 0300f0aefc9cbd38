#pragma once
// Shared pieces of the two window designs.

#include <string>

#include "model/element.h"

namespace design {

inline constexpr Rgb kGrey{192, 192, 192};
inline constexpr Rgb kBlack{0, 0, 0};

// Names an element, gives it its kind, container and design rectangle in twips.
inline void place(Element& element, const std::string& name, ElementKind kind,
                  const std::string& container, int left, int top, int width, int height) {
    element.name = name;
    element.kind = kind;
    element.container = container;
    element.left = left;
    element.top = top;
    element.width = width;
    element.height = height;
}

}  // namespace design
