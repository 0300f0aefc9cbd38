#pragma once
// A set of bead questions in the practice room: starting and stopping it, judging every bead
// move against the rhyme step being worked, the set's lines and storing every question.

#include "beads/bead_board.h"
#include "model/window_context.h"

// "开  始" starts a set of bead questions; "停  止" stops the question in progress.
void beadDrill_Command1_Click(WindowContext& window);

// "下一题" (or Return) on a finished board: the "√" goes and the next question of the set comes.
void drill_BeadNext_Click(WindowContext& window);

// Stops the question in progress at once, writing and storing it as stopped; a set waiting
// with a finished board just ends.
void stopBeadSet(WindowContext& window);

// A click on a bead element: during a question the move is judged, a wrong one undone with
// the step's rhyme as a hint; between sets the board is the child's to play with.
void beadClicked(WindowContext& window, const Element& bead);

// Puts the beads of rod `rod` where `after` has them, judged as a click during a question.
void moveBeads(WindowContext& window, int rod, const BeadBoard& after);

// True while a set of bead questions is in progress, when the room's keys move the beads.
bool beadSetRunning(const WindowContext& window);
