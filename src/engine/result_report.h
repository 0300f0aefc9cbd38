#pragma once
// The end of a run: the report in the record list and the window back in its menu state.

#include "model/window_context.h"

// Stops the timers, moves the bead styles on, writes the report, shows the record list with
// the report in view and the keyboard focus, turns the keypad back into the menu and praises
// a perfect run.
void zz(WindowContext& window);
