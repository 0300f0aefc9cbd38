#pragma once
// Drawing the numbers of a question: numbers without a zero digit that are not too small and
// do not repeat the two questions before, and the record of those two questions.

#include <cstdint>
#include <span>

#include "model/window_context.h"

// The term of a question a drawn number becomes.
enum class Term { A, B, C };

// Which terms the first and the second drawn number become; the first has digitsA digits,
// the second digitsB.
struct DrawnTerms {
    Term first;
    Term second;
};

// The recent questions whose same-named terms a new question's drawn numbers must avoid.
using RecentQuestions = std::span<const QuestionHistorySlot* const>;

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

// The same drawing with the drawn numbers put into the terms `drawn` names and checked
// against the questions in `recent`; the third term is computed from the other two. Returns
// false, drawing nothing, for an unknown operator or digit counts zdct has not set.
bool drawTermsAvoiding(WindowContext& window, DrawnTerms drawn, RecentQuestions recent);

// Writes the current question's terms into the history slot whose turn it is.
void recordQuestionHistory(WindowContext& window);
