#pragma once
// One product of two digits worked on a board row: its times-table line said alone, then the
// bead moves that add it or take it away.

#include <cstdint>
#include <vector>

#include "demonstration/bead_rhymes.h"

// Appends the steps for first × second (each 1..9) with its units on `units`: the line alone,
// framed at the rod the product starts on, then the moves adding it to `row`, or taking it away
// when `subtract`, each carrying the line; `row` follows the moves.
void workProduct(std::vector<BeadStep>& steps, std::int32_t& row, int first, int second, int units,
                 bool subtract, int rods);
