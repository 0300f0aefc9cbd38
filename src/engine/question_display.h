#pragma once
// Writing the current question into the question line: the given terms in the button-text
// colour, the blank term in cyan.

#include "model/window_context.h"

// Sets blankText and fills Label11, Label13 and Label15 for the layout and the blank term.
void showQuestion(WindowContext& window);

// The background behind the blank term, where the child's answer is typed: dark enough that
// the blank's cyan stands out more than 4.5 to 1 (8.8 to 1).
inline constexpr Rgb kAnswerBackground{0, 64, 96};
// The background of the given terms, the window's own grey.
inline constexpr Rgb kTermBackground{192, 192, 192};

// Colours the three terms: the blank term cyan on the answer background, the given ones in
// the button-text colour on the window's grey.
void colourTerms(MainForm& form, std::int16_t blankPosition);

// Empties the blank term again after an entry: two blanks for the result of a normal
// question, the bracket text of khws otherwise.
void restoreBlank(WindowContext& window);
