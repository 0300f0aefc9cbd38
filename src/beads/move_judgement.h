#pragma once
// Judging one bead move of the drill against the step the child is working on.

#include "beads/bead_board.h"

// A move is wrong, right with the step still unfinished, or right and finishing the step.
enum class MoveVerdict { Wrong, Right, StepComplete };

// Judges the move from `before` to `after` when the current step ends on `target`: right when
// it moves at least one bead and every bead it moves lands where the step puts it, so it
// touches only rods the step changes and never goes past them; a move that changes nothing is
// wrong. The beads of one step may move in any order.
MoveVerdict judgeMove(const BeadBoard& before, const BeadBoard& after, const BeadBoard& target);
