#pragma once
// The question timer: the time bar, the time limit and the overtime warnings.

#include "model/window_context.h"

// Counts one second on the current question and grows the bar. At the limit an exam
// question is closed as it stands; a practice question runs over into blinking warnings,
// with clip 106 and, once the overtime passes the limit again, clip 102, each once a run.
void Timer2_Timer(WindowContext& window);
