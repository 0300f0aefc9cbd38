#pragma once
// What the bead drill's board shows a child about her moves: after a wrong click the beads the
// step being worked moves are marked until they are moved, and a finished question holds its
// board with a large "√" for a second before the next one.

#include "beads/bead_board.h"
#include "model/drill_form.h"

// Marks every bead that stands elsewhere on `shown` than on the step's `target`.
void markStepBeads(DrillForm& room, const BeadBoard& shown, const BeadBoard& target);

// Takes the mark off each bead that `shown` has put where the step's `target` has it.
void keepMarksUntilMoved(DrillForm& room, const BeadBoard& shown, const BeadBoard& target);

// Takes every mark off the board.
void clearBeadMarks(DrillForm& room);

// Shows the large "√" beside the finished board and starts the second it stays.
void holdFinishedBoard(DrillForm& room);

// True while a finished board is held before the next question.
bool finishedBoardHeld(const DrillForm& room);

// Hides the "√" and stops the hold.
void releaseFinishedBoard(DrillForm& room);
