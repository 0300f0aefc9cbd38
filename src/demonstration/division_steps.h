#pragma once
// A division worked on the beads by 商除法: the dividend on the board, each quotient digit put
// to the left of the part it divides and its products with the divisor's digits taken away.

#include <cstdint>
#include <functional>
#include <vector>

#include "demonstration/bead_rhymes.h"

// How a quotient digit is found before it goes on its rod: 试商, estimated from the divisor's
// first digit and put right on the board (退商 when too large), or 直接商, the right digit at
// once.
enum class QuotientTrial { Estimate, Direct };

// A first guess at the quotient digit (1..9) of `part` ÷ `divisor`, where `part` is the part
// divided at the digit's own scale (at least the divisor, less than ten times it).
using QuotientGuess = std::function<int(std::int32_t part, std::int32_t divisor)>;

// 估商: `part` divided by the divisor's first digit at the divisor's scale, at most 9; never
// less than the right digit.
int firstDigitGuess(std::int32_t part, std::int32_t divisor);

// The right digit: the largest whose product with the divisor fits `part`.
int rightDigit(std::int32_t part, std::int32_t divisor);

// The steps of `dividend` ÷ `divisor` on `rods` rods. For each quotient digit from the highest:
// the guessed digit put on its rod: with one empty rod between it and the part divided when that
// part's leading digits, as many as the divisor's, are at least the divisor ("够除隔位商三"), on
// the rod next to it when they are not ("不够除挨位商三"); then for each non-zero digit of the
// divisor from the highest its times-table line alone (no bead moves) and the moves taking the
// product away, its tens on the rod right of the quotient digit's by the divisor digit's rank.
// When the rods left of a product's place hold less than it, the digit was guessed too large:
// "退商一" takes one off the quotient rod and the moves that follow ("退商一" their line) give
// back what the digit's earlier products took; the line is said again for the smaller digit.
// When what is left after the last product still holds the divisor, the digit was too small:
// "补商一" adds one to the quotient rod and the moves after it ("补商一" their line) take the
// divisor away once more. The row ends on the quotient with its units `digitCount(divisor) + 1`
// places up and the remainder on the places below it. Empty when the divisor is below 1, the
// dividend below the divisor, or the board needs more rods.
std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor,
                                    const QuotientGuess& guess, int rods = kWorkingRods);

// The same with the guess of `trial`.
std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor,
                                    QuotientTrial trial = QuotientTrial::Direct,
                                    int rods = kWorkingRods);

// The place of the quotient's units on the board once a division by `divisor` is worked.
int quotientUnitsPlace(std::int32_t divisor);

// The rods a division of `dividend` by `divisor` (dividend at least the divisor) is worked on:
// up to the rod of its quotient's highest digit.
int divisionRods(std::int32_t dividend, std::int32_t divisor);
