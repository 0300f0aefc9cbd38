#pragma once
// Chooses the soak's next actions at random, weighted so that runs, papers and reports
// follow each other: the keypad, "确定" and "出  题" come up most.

#include <vector>

#include "model/window_context.h"
#include "soak_action.h"
#include "soak_random.h"

// The next few actions for `window`: one, or several when a second of time passes.
std::vector<SoakAction> nextActions(const WindowContext& window, SoakRandom& random);
