#pragma once
// The recurring rules for numbers written as text.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>

// Int(Val(text)): the leading number of a text with blanks skipped wherever they stand and any
// fraction dropped (floor); 0 when the text does not start with a number ("(  )", "", "abc").
// The reader saturates rather than rejects: a number too large for a double reads as the
// largest finite double of its sign, never as infinity; narrow it with saturatedTo.
double integerValueOf(const std::string& text);

// A whole number as plain decimal text: "12", "-3".
template <std::integral Integer>
std::string plainNumber(Integer value) {
    return std::to_string(value);
}

// A computed number as plain decimal text: whole numbers as digits ("19"), others in the
// shortest text that reads back as the same double ("0.5", "1e+20").
std::string plainNumber(double value);

// A number as signed decimal text: a leading blank stands in for the sign of a
// non-negative number (" 12", "-3").
std::string signedNumber(std::int64_t value);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 7.5 -> 8).
double roundHalfEven(double value);

// A whole-numbered double narrowed to an integer field: values beyond the field's range
// saturate at its smallest or largest value, and a value that is not a number gives 0.
template <std::integral Integer>
Integer saturatedTo(double value) {
    using Limits = std::numeric_limits<Integer>;
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(Limits::min())) return Limits::min();
    // The largest value of a wide type rounds up to a power of two as a double.
    if (value >= static_cast<double>(Limits::max())) return Limits::max();
    return static_cast<Integer>(value);
}
