#pragma once
// The colours of the practice calendar's day cells, chosen so that every text on them stands
// out at least 4.5 to 1 (the day's number and its runs and questions).

#include "model/element.h"

// A day with practice that is not selected: a warm tint, the figures in dark brown.
inline constexpr Rgb kPractisedDayBack{255, 236, 179};
inline constexpr Rgb kPractisedDayNumber{0, 0, 0};
inline constexpr Rgb kPractisedDayFigures{160, 40, 0};
// The selected day, with or without practice: dark blue, its texts white and pale yellow.
inline constexpr Rgb kSelectedDayBack{0, 84, 147};
inline constexpr Rgb kSelectedDayNumber{255, 255, 255};
inline constexpr Rgb kSelectedDayFigures{255, 236, 179};
// A day of the month before or after the one on view: greyed on the plain ground, still
// 5.5 to 1 on white.
inline constexpr Rgb kNeighbourDayNumber{105, 105, 105};
// The number of a Saturday or Sunday: dark red, 7.7 to 1 on white.
inline constexpr Rgb kWeekendDayNumber{170, 0, 0};
