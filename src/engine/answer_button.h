#pragma once
// The answer button `Command3`: "关闭" between runs, "确定" during a run.

#include "model/window_context.h"

// Between runs: closes the program after asking. During a run: submits the typed entry. An
// exam question is closed at once; a wrong practice entry is logged as an attempt and the
// question is put back until it is answered right.
void Command3_Click(WindowContext& window);
