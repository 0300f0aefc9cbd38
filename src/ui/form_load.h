#pragma once
// The main window's start-up defaults.

#include "model/window_context.h"

// Sets the start-up defaults when the main window is created.
void Form_Load(WindowContext& window);
