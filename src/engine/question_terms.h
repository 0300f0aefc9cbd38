#pragma once
// Drawing the numbers of a question: numbers without a zero digit that are not too small and
// do not repeat the two questions before, and the record of those two questions.

#include <cstdint>

#include "ui/window_context.h"

// Int(Rnd × 10^digits): a number of at most `digits` digits (1 to 9), 10^digits in double.
std::int32_t drawNumber(RandomSource& random, int digits);

// True when a number drawn with `digits` digits is at most 10^(digits − 1), so that a
// one-digit number must be 2..9 and a two-digit one 11..99.
bool isTooSmall(std::int32_t number, int digits);

// Adds to zeroDigitCount the "0" characters of digitCheckText after its first, dropping
// the text's characters one by one as it goes.
void fl(WindowContext& window);

// Draws the pair for the current operator and digit counts until no rejection rule holds,
// and sets the three terms. Draws nothing until zdct has set both digit counts.
void drawQuestionTerms(WindowContext& window);

// Writes the current question's terms into the history slot whose turn it is.
void recordQuestionHistory(WindowContext& window);
