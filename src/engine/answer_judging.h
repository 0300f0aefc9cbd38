#pragma once
// Judging the question on screen with the learner's entry in its blank.

#include "ui/window_context.h"

// Judges the question line as shown, counts the verdict and prepares the correction.
void pddc(WindowContext& window);
