#pragma once
// The display-mode label `Label16`: abacus pictures, numbers, or both.

#include "model/window_context.h"

// Advances the display mode 珠心算 → 心算 → 珠算 → 珠心算, keeps the status line unbroken
// and lays the question out again.
void Label16_Click(WindowContext& window);
