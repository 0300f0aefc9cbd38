#pragma once
// The return to the idle menu state and the quit question.

#include "model/window_context.h"

// Returns the window to the idle state with the keypad as the menu.
void qs(WindowContext& window);
// Leaves a finished run or paper for the idle state, as key 6 does before it switches
// between exam and practice.
void returnToIdle(WindowContext& window);
// Clears the run's counters, score and time used, on screen and in the state, as a freshly
// started window shows them.
void clearRunFigures(WindowContext& window);
// Asks whether to quit; sets `cancel` when the answer is No.
void Form_Unload(WindowContext& window, bool& cancel);
// Closes the main window unless the quit question is answered No; on Yes both windows are
// released and the program ends.
void closeMainWindow(WindowContext& window);
