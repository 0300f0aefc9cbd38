#pragma once
// The answer button `Command3`: "关闭" between runs, "确定" during a run.

#include "ui/window_context.h"

// Between runs: closes the program after asking.
void Command3_Click(WindowContext& window);
