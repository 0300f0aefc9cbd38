#include "demonstration/product_moves.h"

#include <utility>

#include "demonstration/times_table.h"

namespace {

constexpr char kTensZero[] = " 0";

}  // namespace

std::string sayProduct(std::vector<BeadStep>& steps, std::int32_t row, int first, int second,
                       int units, ProductRods productRods) {
    const int product = first * second;
    std::string line = timesTableRhyme(first, second);
    if (productRods == ProductRods::Two) {
        if (product < 10) line += kTensZero + std::to_string(product);
        steps.push_back({units + 1, line, row, line, false, 2});
    } else {
        steps.push_back({product >= 10 ? units + 1 : units, line, row, line, false});
    }
    return line;
}

void workProduct(std::vector<BeadStep>& steps, std::int32_t& row, int first, int second, int units,
                 bool subtract, int rods, ProductRods productRods) {
    const std::string line = sayProduct(steps, row, first, second, units, productRods);
    moveAmount(steps, row, first * second * placeValue(units), subtract, rods, line);
}

void moveAmount(std::vector<BeadStep>& steps, std::int32_t& row, std::int32_t amount, bool subtract,
                int rods, const std::string& reason) {
    for (BeadStep& step : beadStepsOnRods(row, subtract, amount, rods)) {
        step.tableRhyme = reason;
        row = step.rowValue;
        steps.push_back(std::move(step));
    }
}
