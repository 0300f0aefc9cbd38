#pragma once
// The change handlers of the four settings lists.

#include "model/window_context.h"

// Mode list: records the mode and keeps the vertical layout out of the four-operation mode.
void Combo1_Click(WindowContext& window);
// Question-count list: while idle, shows the new total and resets five-question runs to one column.
void Combo3_Click(WindowContext& window);
