#pragma once
// The toggles beside the settings lists: normal or fill-in questions, the layout, the
// answer direction and the decorative arrow.

#include "model/window_context.h"

// Switches between normal and fill-in-the-blank questions from the next question on.
void Command6_Click(WindowContext& window);
// Cycles the layout single column → double column → vertical; the vertical sum never
// takes the four-operation mode, which falls back to "+-".
void Command8_Click(WindowContext& window);
// Switches the direction in which typed digits fill the answer, and both arrows with it.
void Label28_Click(WindowContext& window);
// Turns the decorative arrow round.
void Label39_Click(WindowContext& window);
