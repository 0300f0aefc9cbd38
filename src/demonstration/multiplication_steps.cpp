#include "demonstration/multiplication_steps.h"

#include "demonstration/product_moves.h"

int multiplicationRods(std::int32_t multiplicand, std::int32_t multiplier) {
    return digitCount(multiplicand) + digitCount(multiplier);
}

std::vector<BeadStep> multiplicationSteps(std::int32_t multiplicand, std::int32_t multiplier,
                                          int rods) {
    if (multiplicand < 1 || multiplier < 1 || rods < 1 || rods > kWorkingRods ||
        multiplicationRods(multiplicand, multiplier) > rods) {
        return {};
    }
    std::vector<BeadStep> steps;
    std::int32_t row = 0;
    for (int i = digitCount(multiplicand) - 1; i >= 0; --i) {
        const int first = digitAt(multiplicand, i);
        if (first == 0) continue;
        for (int j = digitCount(multiplier) - 1; j >= 0; --j) {
            const int second = digitAt(multiplier, j);
            if (second != 0) {
                workProduct(steps, row, first, second, i + j, false, rods, ProductRods::Two);
            }
        }
    }
    return steps;
}
