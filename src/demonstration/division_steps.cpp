#include "demonstration/division_steps.h"

#include <algorithm>
#include <string>

#include "demonstration/product_moves.h"

namespace {

constexpr char kEnoughRule[] = "够除隔位商";
constexpr char kShortRule[] = "不够除挨位商";
constexpr char kTakeOneBack[] = "退商一";
constexpr char kAddOneMore[] = "补商一";

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

// The divisor's digit of rank `rank`, 1 the highest.
int divisorDigit(std::int32_t divisor, int rank) {
    return digitAt(divisor, digitCount(divisor) - rank);
}

// What the rods right of the quotient rod `rod` hold: the part still divided.
std::int32_t restBelow(std::int32_t row, int rod) { return row % placeValue(rod); }

// Takes the products of the quotient digit on `rod` away, rank by rank; where a product does
// not fit, takes one off the digit and gives back what its earlier products took.
void takeProducts(std::vector<BeadStep>& steps, std::int32_t& row, int& digit, int rod,
                  std::int32_t divisor, int rods) {
    for (int rank = 1; rank <= digitCount(divisor); ++rank) {
        const int factor = divisorDigit(divisor, rank);
        if (factor == 0) continue;
        const int units = rod - rank - 1;
        for (;;) {
            const std::string line =
                sayProduct(steps, row, digit, factor, units, ProductRods::AsNeeded);
            const std::int32_t product = digit * factor * placeValue(units);
            if (restBelow(row, rod) >= product) {
                moveAmount(steps, row, product, true, rods, line);
                break;
            }
            --digit;
            row -= placeValue(rod);
            steps.push_back({rod, kTakeOneBack, row});
            for (int earlier = 1; earlier < rank; ++earlier) {
                const int given = divisorDigit(divisor, earlier);
                moveAmount(steps, row, given * placeValue(rod - earlier - 1), false, rods,
                           kTakeOneBack);
            }
        }
    }
}

}  // namespace

int firstDigitGuess(std::int32_t part, std::int32_t divisor) {
    const std::int32_t scale = placeValue(digitCount(divisor) - 1);
    return std::min<std::int32_t>(9, part / (divisor / scale * scale));
}

int rightDigit(std::int32_t part, std::int32_t divisor) { return part / divisor; }

int quotientUnitsPlace(std::int32_t divisor) { return digitCount(divisor) + 1; }

int divisionRods(std::int32_t dividend, std::int32_t divisor) {
    return digitCount(dividend / divisor) + quotientUnitsPlace(divisor);
}

std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor,
                                    const QuotientGuess& guess, int rods) {
    if (divisor < 1 || dividend < divisor || rods < 1 || rods > kWorkingRods ||
        divisionRods(dividend, divisor) > rods) {
        return {};
    }
    std::vector<BeadStep> steps;
    std::int32_t row = dividend;
    std::int32_t rest = dividend;
    while (rest >= divisor) {
        const QuotientPlace at = nextQuotientPlace(rest, divisor);
        const std::int32_t scale = placeValue(at.place);
        int digit = std::clamp(guess(rest / scale, divisor), 1, 9);
        const int rod = at.place + quotientUnitsPlace(divisor);
        row += digit * placeValue(rod);
        steps.push_back({rod, (at.enough ? kEnoughRule : kShortRule) + digitWord(digit), row});
        takeProducts(steps, row, digit, rod, divisor, rods);
        while (restBelow(row, rod) >= divisor * scale) {
            row += placeValue(rod);
            steps.push_back({rod, kAddOneMore, row});
            moveAmount(steps, row, divisor * scale, true, rods, kAddOneMore);
        }
        rest = restBelow(row, rod);
    }
    return steps;
}

std::vector<BeadStep> divisionSteps(std::int32_t dividend, std::int32_t divisor,
                                    QuotientTrial trial, int rods) {
    return divisionSteps(dividend, divisor,
                         trial == QuotientTrial::Estimate ? firstDigitGuess : rightDigit, rods);
}
