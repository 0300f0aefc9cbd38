#pragma once
// 颜色: the design's colours or a clear scheme in which every text stands out from its
// background. The model keeps the design's colours; the view shows them through the scheme.

#include "model/window_context.h"

inline constexpr char kDesignColours[] = "0";
inline constexpr char kClearColours[] = "1";

// Switches colourScheme between the design's colours and the clear scheme (keypad key 4
// between runs); any other value becomes the design's colours.
void switchColourScheme(WindowContext& window);

// True when the clear scheme is chosen.
bool clearColoursChosen(const TrainingState& state);

// The contrast of two colours as the accessibility guidelines measure it, 1 to 21.
double contrastRatio(const Rgb& first, const Rgb& second);

// A background in the clear scheme: the design's colour, much lighter.
Rgb clearBackground(const Rgb& designBack);

// A text colour in the clear scheme: the design's colour darkened until it has a contrast of
// at least 7 to 1 on `clearBack`.
Rgb clearText(const Rgb& designText, const Rgb& clearBack);
