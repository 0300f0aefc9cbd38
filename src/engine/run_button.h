#pragma once
// The run button `Command4`: "出  题" starts a run, "中  止" ends it early.

#include "model/window_context.h"

// Starts a run when none is in progress and all four settings are chosen; otherwise ends the
// run in progress with its report.
void Command4_Click(WindowContext& window);
