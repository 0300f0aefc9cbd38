#pragma once
// The button that switches sound cues on and off.

#include "model/window_context.h"

// Switches sound cues off, or on again with a confirming clip.
void Command5_Click(WindowContext& window);
