#pragma once
// The clear button `Command2`: the typed answer during a run, the record list between runs.

#include "model/window_context.h"

// During a run puts the blank back and lets the learner type again; between runs empties
// the record list and starts the run numbering afresh.
void Command2_Click(WindowContext& window);
