#pragma once
// 演示: a sum played bead by bead on the first board row, one rhyme for every move.

#include <string>

#include "model/window_context.h"

// Starts demonstrating the sum the last run ended on, or a new addition or subtraction for
// the chosen digits (keypad key 7 between runs). False when no digit count is chosen: the
// press then ends with a prompt and without the key click.
bool startDemonstration(WindowContext& window);

// Moves the beads of the next step and shows its rhyme; after the last step, the result.
void Timer4_Timer(WindowContext& window);

// Ends a running demonstration at once and hides its rhyme.
void stopDemonstration(WindowContext& window);

// True when a click, a choice or typing on the element called `name` ends a demonstration:
// the keypad, "出  题", "清  除", the settings and the rods.
bool endsDemonstration(const std::string& name);
