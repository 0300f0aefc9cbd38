#pragma once
// A division worked on the beads by 商除法: the dividend on the board, each quotient digit put
// to the left of the part it divides and its products with the divisor's digits taken away.

#include <cstdint>
#include <vector>

#include "demonstration/bead_rhymes.h"

// The steps of `dividend` ÷ `divisor` on `rods` rods. For each quotient digit from the highest:
// the digit put on its rod (the largest whose product with the divisor fits): with one empty
// rod between it and the part divided when that part's leading digits, as many as the
// divisor's, are at least the divisor ("够除隔位商三"), on the rod next to it when they are not
// ("不够除挨位商三"); then for each non-zero digit of the divisor from the highest its
// times-table line alone (no bead moves) and the moves taking the product away, its tens on the
// rod right of the quotient digit's by the divisor digit's rank. The row ends on the quotient
// with its units `digitCount(divisor) + 1` places up and the remainder on the places below it.
// Empty when the divisor is below 1, the dividend below the divisor, or the board needs more
// rods.
std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor,
                                    int rods = kWorkingRods);

// The place of the quotient's units on the board once a division by `divisor` is worked.
int quotientUnitsPlace(std::int32_t divisor);
