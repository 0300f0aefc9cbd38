#pragma once
// The answer sheets of a test paper: five answers a line.

#include "model/window_context.h"

// Writes the ordinary answer sheet: numbers row by row after vertical sums, down the five
// columns after the other layouts.
void ddddb(WindowContext& window);

// Writes the answer sheet of a remainder paper, each cell with quotient and remainder,
// numbers down the five columns.
void mmmma(WindowContext& window);
