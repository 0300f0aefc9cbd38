#include "beads/product_questions.h"

#include <algorithm>
#include <cstdint>

#include "beads/rhyme_groups.h"
#include "engine/random_choice.h"

namespace {

// The digits a term of each kind may have.
struct DigitRange {
    int fewest;
    int most;
};
constexpr DigitRange kMultiplicandDigits{2, 3};
constexpr DigitRange kOneDigitDividendDigits{2, 4};
constexpr DigitRange kTwoDigitDividendDigits{3, 4};

// 10 to the power `exponent`.
std::int32_t powerOfTen(int exponent) {
    std::int32_t value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

// A whole number from `low` to `high`, each equally likely.
std::int32_t between(RandomSource& random, std::int32_t low, std::int32_t high) {
    return low + randomChoice(random, high - low + 1) - 1;
}

// A number of exactly `digits` digits.
std::int32_t numberOfDigits(RandomSource& random, int digits) {
    return between(random, powerOfTen(digits - 1), powerOfTen(digits) - 1);
}

// A divisor of one digit (2..9) or of two (11..99, no multiple of ten).
std::int32_t drawDivisor(RandomSource& random, bool twoDigits) {
    if (!twoDigits) return between(random, 2, 9);
    std::int32_t divisor = 0;
    do {
        divisor = between(random, 11, 99);
    } while (divisor % 10 == 0);
    return divisor;
}

// A division of a `digits`-digit dividend by `divisor`, exact or leaving a remainder.
BeadQuestion divisionOf(RandomSource& random, int digits, std::int32_t divisor, bool remainder) {
    const std::int32_t lowest = powerOfTen(digits - 1);
    const std::int32_t highest = powerOfTen(digits) - 1;
    const std::int32_t left = remainder ? between(random, 1, divisor - 1) : 0;
    const std::int32_t fewest = std::max<std::int32_t>(1, (lowest - left + divisor - 1) / divisor);
    const std::int32_t most = (highest - left) / divisor;
    const std::int32_t quotient = between(random, fewest, most);
    return beadQuestion(quotient * divisor + left, true, divisor, true);
}

}  // namespace

BeadQuestion drawProductQuestion(RandomSource& random, int group, int digits, bool remainder) {
    switch (group) {
        case kOneDigitMultiply: {
            const int length =
                std::clamp(digits, kMultiplicandDigits.fewest, kMultiplicandDigits.most);
            const std::int32_t multiplicand = numberOfDigits(random, length);
            return beadQuestion(multiplicand, false, between(random, 2, 9), true);
        }
        case kTwoDigitMultiply: {
            const std::int32_t multiplicand = numberOfDigits(random, 2);
            return beadQuestion(multiplicand, false, numberOfDigits(random, 2), true);
        }
        case kOneDigitDivide: {
            const int length =
                std::clamp(digits, kOneDigitDividendDigits.fewest, kOneDigitDividendDigits.most);
            return divisionOf(random, length, drawDivisor(random, false), remainder);
        }
        default: {
            const int length =
                std::clamp(digits, kTwoDigitDividendDigits.fewest, kTwoDigitDividendDigits.most);
            return divisionOf(random, length, drawDivisor(random, true), remainder);
        }
    }
}
