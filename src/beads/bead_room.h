#pragma once
// The bead drill's part of the practice room: its elements shown or hidden, the board copied
// onto the bead elements and read back from them, the rhyme group kept per learner.

#include "beads/bead_board.h"
#include "model/window_context.h"

// Shows the bead drill's elements and hides the flash drill's when `on`, the other way round
// when not; on, the board shows 0 and the group list the learner's kept group.
void showBeadDrill(WindowContext& window, bool on);

// The board as the bead elements show it.
BeadBoard shownBoard(const DrillForm& room);

// Puts `board` on the bead elements, its number in drill.Board's caption.
void showBoard(DrillForm& room, const BeadBoard& board);

// Puts the focus frame round rod `rod`, kept within the board.
void chooseRod(WindowContext& window, int rod);

// Keeps the group chosen in "口诀" for the room's learner.
void keepBeadGroup(WindowContext& window);
