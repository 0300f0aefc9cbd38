#include "demonstration/product_moves.h"

#include <string>
#include <utility>

#include "demonstration/times_table.h"

void workProduct(std::vector<BeadStep>& steps, std::int32_t& row, int first, int second, int units,
                 bool subtract, int rods) {
    const int product = first * second;
    const std::string line = timesTableRhyme(first, second);
    steps.push_back({product >= 10 ? units + 1 : units, line, row, line, false});
    for (BeadStep& step : beadStepsOnRods(row, subtract, product * placeValue(units), rods)) {
        step.tableRhyme = line;
        row = step.rowValue;
        steps.push_back(std::move(step));
    }
}
