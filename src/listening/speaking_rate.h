#pragma once
// How fast the voice speaks for the pace a listening drill is set to.

// The paces a listening drill offers, in seconds per number.
inline constexpr double kQuickestSecondsPerNumber = 0.2;
inline constexpr double kSlowestSecondsPerNumber = 3.0;

// The voice's rates that stay clear to a child, in words per minute.
inline constexpr int kQuickestWordsPerMinute = 260;
inline constexpr int kSlowestWordsPerMinute = 120;

// The speaking rate for `secondsPerNumber`: the quickest rate at the quickest pace, the slowest
// at the slowest, in a straight line between them; paces outside the offered ones are taken as
// the nearest offered one, and
// a pace that is not a number as the slowest.
int speakingRate(double secondsPerNumber);
