#pragma once
// Text metrics that need no fonts: every character outside ASCII is one em wide, every
// ASCII character half an em, and a line is one em high. The same on every machine.

#include "model/element.h"

class FixedWidthMetrics : public TextMetrics {
  public:
    TextExtent measure(const FontSpec& font, const std::string& text) const override;
};
