#include "demonstration/division_steps.h"

#include <string>

#include "demonstration/product_moves.h"

namespace {

constexpr char kEnoughRule[] = "够除隔位商";
constexpr char kShortRule[] = "不够除挨位商";

// Where the next quotient digit goes and which rule put it there.
struct QuotientPlace {
    int place;  // the quotient digit's place in the quotient, from its units
    bool enough;
};

// The place of the next quotient digit for the part `rest` still to divide: the divisor set
// under the rest's leading digits, or one rod further when those are less than the divisor.
QuotientPlace nextQuotientPlace(std::int32_t rest, std::int32_t divisor) {
    const int leading = digitCount(rest) - 1;
    const int divisorDigits = digitCount(divisor);
    const std::int32_t leadingPart = rest / placeValue(leading - divisorDigits + 1);
    if (leadingPart >= divisor) return {leading - divisorDigits + 1, true};
    return {leading - divisorDigits, false};
}

}  // namespace

int quotientUnitsPlace(std::int32_t divisor) { return digitCount(divisor) + 1; }

std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor, int rods) {
    if (divisor < 1 || dividend < divisor || rods < 1 || rods > kWorkingRods) return {};
    const int divisorDigits = digitCount(divisor);
    const std::int64_t finalRow =
        std::int64_t{dividend / divisor} * placeValue(quotientUnitsPlace(divisor)) +
        dividend % divisor;
    if (finalRow >= placeValue(rods) || dividend >= placeValue(rods)) return {};
    std::vector<BeadStep> steps;
    std::int32_t row = dividend;
    std::int32_t rest = dividend;
    while (rest >= divisor) {
        const QuotientPlace at = nextQuotientPlace(rest, divisor);
        const int digit = rest / (divisor * placeValue(at.place));
        const int rod = at.place + quotientUnitsPlace(divisor);
        row += digit * placeValue(rod);
        steps.push_back({rod, (at.enough ? kEnoughRule : kShortRule) + digitWord(digit), row});
        for (int rank = 1; rank <= divisorDigits; ++rank) {
            const int divisorDigit = digitAt(divisor, divisorDigits - rank);
            if (divisorDigit == 0) continue;
            workProduct(steps, row, digit, divisorDigit, rod - rank - 1, true, rods);
        }
        rest -= digit * divisor * placeValue(at.place);
    }
    return steps;
}
