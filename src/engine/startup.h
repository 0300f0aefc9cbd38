#pragma once
// Start-up, the return to the idle menu state and the quit question.

#include "ui/window_context.h"

// Sets the start-up defaults when the main window is created.
void Form_Load(WindowContext& window);
// Returns the window to the idle state with the keypad as the menu.
void qs(WindowContext& window);
// Asks whether to quit; sets `cancel` when the answer is No.
void Form_Unload(WindowContext& window, bool& cancel);
// Closes the main window unless the quit question is answered No; on Yes both windows are
// released and the program ends.
void closeMainWindow(WindowContext& window);
