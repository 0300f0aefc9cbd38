#pragma once
// The keypad `Command1(0..9)`: digits while a run is in progress, the menu between runs.

#include "model/window_context.h"

// A press on key `index`: a digit of the answer during a run.
void Command1_Click(WindowContext& window, int index);
