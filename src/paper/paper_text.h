#pragma once
// Counting characters and writing the numbers of a test paper. Papers are aligned by
// characters, not bytes: "×" and "÷" count one each, like "+" and "-".

#include <cstdint>
#include <string>

// The number of characters of a UTF-8 text.
int characterCount(const std::string& text);

// `count` blanks; none when `count` is not positive.
std::string blanks(int count);

// A question's number in the single and double column: " 7)  ", " 12) ".
std::string listNumber(std::int32_t number);

// A question's number over a vertical sum and on the answer sheet: " 7) ", " 12)".
std::string compactNumber(std::int32_t number);

// A term as printed on a paper: a sign blank, the digits and one blank after them (" 12 ").
std::string paperTermText(std::int32_t term);

// True for "×" and "÷", which take the room of two characters on a printed paper, so that
// every width that depends on the operator gives them one character less.
bool isWideOperator(const std::string& sign);
