#pragma once
// Judging the question on screen with the learner's entry in its blank.

#include "model/window_context.h"

// Judges the question line as shown, counts the verdict and prepares the correction.
void pddc(WindowContext& window);

// The value the blank should have held in the question pddc judged last.
double expectedBlankValue(const TrainingState& state);
