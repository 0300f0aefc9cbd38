#pragma once
// What is said aloud for a chain of terms in listening arithmetic.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "listening/number_reading.h"

// One spoken text: as shown and recorded (Chinese characters) and as given to the voice
// (tone-numbered pinyin).
struct SpokenText {
    std::string chinese;
    std::string pinyin;
    bool operator==(const SpokenText&) const = default;
};

// The texts read for a chain: the first term as a number ("三百二十五"), each later term, signed,
// as "加" or "减" followed by its size ("减六十七"), then "等于". Nothing for an empty chain;
// a number outside 0 .. kLargestReadNumber has an empty reading. A leading 2 before 百, 千 or
// 万 is read as `two` says.
std::vector<SpokenText> chainSpeech(std::span<const std::int32_t> terms,
                                    LeadingTwo two = LeadingTwo::Liang);
