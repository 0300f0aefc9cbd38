#pragma once
// The record of a paper's answers and remainders, by the printed number of each question.

#include "model/window_context.h"

// Records paperAnswer and paperRemainder under paperQuestionNumber.
void dddd(WindowContext& window);
// Reads the answer recorded under paperQuestionNumber back into paperAnswer.
void ddddc(WindowContext& window);
// Reads the remainder recorded under paperQuestionNumber back into paperRemainder.
void ddddd(WindowContext& window);
