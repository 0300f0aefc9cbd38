#pragma once
// Fitting every spoken number inside its slot: the voice speaks faster as the pace quickens,
// up to the quickest rate that stays clear; a pace quicker than that can carry is changed for
// the quickest offered one that can.

#include <optional>
#include <span>

#include "listening/number_reading.h"

// The quickest rate at which the voice stays clear to a child, in words per minute.
inline constexpr int kClearestQuickWordsPerMinute = 350;
// The silence after each reading, so that two numbers never run together.
inline constexpr int kPauseAfterReading = 150;

// The voice for a pace and a number of digits.
struct ReadingPace {
    int wordsPerMinute = 0;
    bool fits = false;  // the longest reading with its pause ends inside the pace
};

// The milliseconds the longest reading of a later term of `digits` digits takes with its sign
// word ("加七千七百七十七") at `wordsPerMinute`, as the voice is expected to take it.
int longestTermReadingMilliseconds(int digits, int wordsPerMinute);

// The rate for `secondsPerNumber` and terms of `digits` digits: the rate the pace alone calls
// for, raised as far as needed for the longest reading and its pause to end inside the pace
// but never past kClearestQuickWordsPerMinute; `fits` false when even that rate is too slow.
ReadingPace readingPace(double secondsPerNumber, int digits);

// The quickest of `paces` (seconds per number, quickest first) no quicker than `chosen` at
// which terms of `digits` digits fit; nullopt when none does.
std::optional<double> quickestFittingPace(std::span<const double> paces, double chosen, int digits);
