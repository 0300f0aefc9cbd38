#pragma once
// The vertical layout of a test paper: groups of five sums side by side.

#include "model/window_context.h"

// Numbers the question and records its answer, then places it in the current group and
// writes the group once it is full or the paper's last question is placed. Returns false,
// placing nothing, in the four-operation mode, which has no vertical sums.
bool placeVerticalSum(WindowContext& window);

// Writes the group of sums waiting in the slots as four lines and an empty line, one
// column of eleven characters per sum, and empties the slots.
void ssss(WindowContext& window);
