#pragma once
// The rod-picture family, switched by a click on the date-and-time label `Label10`.

#include "model/window_context.h"

// Switches the board between the counted-beads pictures and the whole-rod pictures.
void Label10_Click(WindowContext& window);
