#pragma once
// The date-and-time label that ticks from start-up on.

#include "model/window_context.h"

// Shows today's date and the current time in the clock label.
void Timer3_Timer(WindowContext& window);
