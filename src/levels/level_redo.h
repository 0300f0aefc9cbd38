#pragma once
// "重做错题" on the level test: the questions of level tests answered wrong or left open, from
// the learner's wrong-question book, asked again one at a time with a verdict after each; one
// answered right leaves the book.

#include "model/window_context.h"

// "重做错题": asks the book's level questions, newest first, at most one item's worth.
void drill_Command7_Click(WindowContext& window);
// "确定" during a redo: judges the typed answer, writes its line and asks the next question.
void levelRedoAnswer(WindowContext& window);
// Ends a redo in progress with its summary so far; nothing when none runs.
void stopLevelRedo(WindowContext& window);
// Enables "重做错题" while nothing runs and the learner's book holds a level question.
void offerLevelRedo(WindowContext& window);
