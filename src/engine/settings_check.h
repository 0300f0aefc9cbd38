#pragma once
// The check that the four settings lists each have a choice before a run or a paper.

#include "model/window_context.h"

// True when mode, digits, count and speed are all chosen. Otherwise the first list without
// a choice is named in a prompt after clip 106, gets the focus, and the answer is false.
bool allSettingsChosen(WindowContext& window);
