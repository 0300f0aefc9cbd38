#include "appearance/colour_scheme.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLightening = 0.75;  // share of the way to white a background moves
constexpr double kDarkening = 0.95;   // factor a text colour is darkened by per step
constexpr double kWantedContrast = 7.0;

// One channel of a colour in linear light, 0 to 1.
double linearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// The relative luminance of a colour, 0 for black to 1 for white.
double luminance(const Rgb& colour) {
    return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
           0.0722 * linearChannel(colour.blue);
}

// A channel scaled by `factor`, rounded to the nearest step.
std::uint8_t scaled(std::uint8_t channel, double factor) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel * factor, 0.0, 255.0)));
}

}  // namespace

void switchColourScheme(WindowContext& window) {
    std::string& scheme = window.state.colourScheme;
    scheme = scheme == kDesignColours ? kClearColours : kDesignColours;
}

bool clearColoursChosen(const TrainingState& state) { return state.colourScheme == kClearColours; }

double contrastRatio(const Rgb& first, const Rgb& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb clearBackground(const Rgb& designBack) {
    const auto lighter = [](std::uint8_t channel) {
        return static_cast<std::uint8_t>(std::lround(channel + (255 - channel) * kLightening));
    };
    return {lighter(designBack.red), lighter(designBack.green), lighter(designBack.blue)};
}

Rgb clearText(const Rgb& designText, const Rgb& clearBack) {
    Rgb text = designText;
    double factor = 1.0;
    while (contrastRatio(text, clearBack) < kWantedContrast && text != Rgb{}) {
        factor *= kDarkening;
        text = {scaled(designText.red, factor), scaled(designText.green, factor),
                scaled(designText.blue, factor)};
    }
    return text;
}
