#pragma once
// The run clock in Label27: the time a run has lasted.

#include "model/window_context.h"

// Moves the run clock one second on whenever the wall clock's second has changed since the
// last counted tick, so ticks lost while a clip plays cost no time.
void Timer1_Timer(WindowContext& window);

// Sets the run clock's five parts back to 0:00:00.
void resetRunClock(TrainingState& state);
