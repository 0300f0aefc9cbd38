#pragma once
// 重做错题: the book's questions waiting to be asked in a run.

#include "model/window_context.h"

// Forgets the book's questions of a run that has ended.
void endRedoQuestions(WindowContext& window);
