#pragma once
// Measures captions with the real fonts the view draws them in.

#include "model/element.h"

class QtTextMetrics : public TextMetrics {
  public:
    // Widest line by number of lines, in twips; line breaks are "\n".
    TextExtent measure(const FontSpec& font, const std::string& text) const override;
};
