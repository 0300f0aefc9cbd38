#pragma once
// Closing the question on screen and going on to the next one or to the report.

#include "model/window_context.h"

// Counts the question as answered, judges and records it, then shows the next question with
// an empty time bar, or writes the report after the last one.
void yyyy(WindowContext& window);
