#pragma once
// The recurring rules for numbers written as text.

#include <cstdint>
#include <string>

// Int(Val(text)): the leading number of a text with blanks skipped and any fraction dropped
// (floor); 0 when the text does not start with a number. A number too large for a double
// saturates at the largest finite double of its sign instead of becoming infinite.
double integerValueOf(const std::string& text);

// A number as plain decimal text: "12", "-3".
std::string plainNumber(std::int64_t value);

// A number as signed decimal text: a leading blank stands in for the sign of a
// non-negative number (" 12", "-3").
std::string signedNumber(std::int64_t value);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 7.5 -> 8).
double roundHalfEven(double value);
