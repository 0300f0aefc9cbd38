#include "headless/fixed_width_metrics.h"

#include <algorithm>
#include <cmath>

TextExtent FixedWidthMetrics::measure(const FontSpec& font, const std::string& text) const {
    const int em = static_cast<int>(std::lround(font.pointSize * 20));  // 20 twips a point
    int lines = 1;
    int lineWidth = 0;
    int widest = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            widest = std::max(widest, lineWidth);
            lineWidth = 0;
            ++lines;
        } else if (byte < 0x80) {
            lineWidth += em / 2;
        } else if ((byte & 0xC0) != 0x80) {  // the first byte of a wide character
            lineWidth += em;
        }
    }
    return {std::max(widest, lineWidth), lines * em};
}
