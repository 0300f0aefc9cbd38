#pragma once
// The questions of a test paper: drawn with the run's rules, but avoiding four recent
// questions, with the digit counts of multiplication and division swapped, and with a
// remainder on a remainder paper.

#include "model/window_context.h"

// True when the paper being written gives remainders: the name box holds exactly the
// learner title "小朋友", questions are normal and the mode is "÷" alone.
bool isRemainderPaper(const WindowContext& window);

// Draws the terms of the next paper question for the operator and digit counts chosen by
// ysfh and zdct, draws its remainder on a remainder paper, and records it in the ring of
// four recent questions.
void drawPaperQuestion(WindowContext& window);

// Sets the printed term texts, the answer and the question line for blankPosition.
void setPaperTerms(WindowContext& window);
