#pragma once
// "看珠": a flashed number on the room's full-size bead board, cut down to the rods it needs.

#include <cstdint>

#include "model/window_context.h"

// Shows `term` on the units rods of the board, one rod more than `digits`, the board's frame
// and beam drawn round those rods only and a red minus before them for a taken-away term.
void showTermOnBoard(WindowContext& window, std::int32_t term, int digits);

// Hides the board and gives it back its whole width for the bead drill.
void hideFlashBoard(DrillForm& room);
