#pragma once
// What the bead drill's board shows a child about her moves: after a wrong click the beads the
// step being worked moves are marked until they are moved, and a finished question holds its
// board with a large "√" until the child asks for the next one.

#include "beads/bead_board.h"
#include "model/drill_form.h"

// Marks every bead that stands elsewhere on `shown` than on the step's `target`.
void markStepBeads(DrillForm& room, const BeadBoard& shown, const BeadBoard& target);

// Takes the mark off each bead that `shown` has put where the step's `target` has it.
void keepMarksUntilMoved(DrillForm& room, const BeadBoard& shown, const BeadBoard& target);

// Takes every mark off the board.
void clearBeadMarks(DrillForm& room);

// Shows the large "√" beside the finished board, and "下一题" when `more` questions follow.
void holdFinishedBoard(DrillForm& room, bool more);

// True while a finished board is held before the next question.
bool finishedBoardHeld(const DrillForm& room);

// Hides the "√" and "下一题".
void releaseFinishedBoard(DrillForm& room);
