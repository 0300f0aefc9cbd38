#pragma once
// A multiplication worked on the beads by 空盘前乘法: the board starts empty and every product
// of two digits is added at its place, the multiplicand's digits taken from the highest and,
// for each, the multiplier's digits from the highest.

#include <cstdint>
#include <vector>

#include "demonstration/bead_rhymes.h"

// The steps of `multiplicand` × `multiplier` on `rods` rods: for each pair of non-zero digits,
// at places i and j from the units of their factors, a step saying its times-table line (no
// bead moves) with both rods of the product framed, places i + j + 1 and i + j, a one-digit
// product said with its tens as 0 ("二三得六 06"); then the moves adding the product with its
// tens on place i + j + 1 and its units on place i + j. The row ends on the product. Empty when
// a factor is below 1 or the factors' digits together outnumber the rods.
std::vector<BeadStep> multiplicationSteps(std::int32_t multiplicand, std::int32_t multiplier,
                                          int rods = kWorkingRods);

// The rods a product of `multiplicand` × `multiplier` is worked on: as many as the factors have
// digits together.
int multiplicationRods(std::int32_t multiplicand, std::int32_t multiplier);
