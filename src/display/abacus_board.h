#pragma once
// The abacus board: the three numbers of the question line drawn as rows of five rods.

#include <cstdint>

#include "model/window_context.h"

// Sets the picture of all fifteen rods from the captions of Label11, Label13 and Label15,
// the picture family and the three bead styles. A number outside 0..99999 shows the lowest
// five places of its magnitude; a family or style without pictures shows bare rods.
void zmt(WindowContext& window);

// Shows `value` on the rods of board row 1, 2 or 3 in that row's bead style, whatever the
// number labels say.
void showOnBoardRow(WindowContext& window, int row, std::int32_t value);
