#pragma once
// The single-column and double-column layouts of a test paper.

#include "model/window_context.h"

// Numbers the question, records its answer and writes its line.
void writeSingleColumnQuestion(WindowContext& window);

// Places the question in the right column (the first of a pair) or in the left column (the
// second), records its answer under its number, and writes the line once a pair is complete:
// left question k beside right question questionTotal \ 2 + k.
void writeDoubleColumnQuestion(WindowContext& window);

// Writes a right-column question still waiting for a partner alone on a last line, at the
// right column's place, so that every answer on the sheet has its question on the paper.
void finishDoubleColumn(WindowContext& window);
