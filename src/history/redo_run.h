#pragma once
// "重做错题": a run in the main window of the questions in the learner's wrong-question book.

#include <vector>

#include "model/window_context.h"

// The book's questions a redo run asks, newest first, each question once; a level test's
// questions are redone in the practice room instead.
std::vector<StoredQuestion> questionsToRedo(const std::vector<WrongQuestion>& book);

// Starts a run of the book's questions of the learner in the name box, up to the chosen
// number of questions; a question answered right at the first try leaves the book. Between
// runs only: a locked name box is first returned to the idle state, as a chosen learner is.
void startRedoRun(WindowContext& window);
