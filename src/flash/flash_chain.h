#pragma once
// The chains of flash arithmetic: numbers shown one at a time and added in the head.

#include <cstdint>
#include <string>
#include <vector>

#include "model/services.h"

// A chain of `terms` numbers of exactly `digits` digits (first digit not 0), no two neighbours
// the same number. When `mixed`, later terms may be taken away (negative here), at least one
// is, and the running total never drops below 0; otherwise every term is added.
std::vector<std::int32_t> drawFlashChain(RandomSource& random, int digits, int terms, bool mixed);

// The sum of a chain's signed terms.
std::int64_t chainTotal(const std::vector<std::int32_t>& chain);

// The chain as written in the room's list and the history: "325+67-12".
std::string chainText(const std::vector<std::int32_t>& chain);

// How long "预备" shows before the first number.
inline constexpr int kReadyMilliseconds = 1000;

// One number's time on screen and the blank after it, for a period of `periodMilliseconds`:
// round(0.8 × period) shown, the rest blank, so the two always add up to the period.
struct FlashSpans {
    int shownMilliseconds = 0;
    int blankMilliseconds = 0;
};
FlashSpans flashSpans(int periodMilliseconds);
