#pragma once
// Writing the current question into the question line: the given terms in the button-text
// colour, the blank term in cyan.

#include "model/window_context.h"

// Sets blankText and fills Label11, Label13 and Label15 for the layout and the blank term.
void showQuestion(WindowContext& window);

// Empties the blank term again after an entry: two blanks for the result of a normal
// question, the bracket text of khws otherwise.
void restoreBlank(WindowContext& window);
