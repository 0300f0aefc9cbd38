#include "history/class_table_cells.h"

#include <algorithm>
#include <cctype>

#include "engine/text_number.h"
#include "levels/level_table.h"

std::optional<double> classTableCellValue(const std::string& cell) {
    const std::string digits =
        !cell.empty() && cell.back() == '%' ? cell.substr(0, cell.size() - 1) : cell;
    const auto isDigit = [](unsigned char c) { return std::isdigit(c) != 0; };
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(), isDigit)) {
        return integerValueOf(digits);
    }
    for (int level = 0; level < kLevelCount; ++level) {
        if (levelRow(level).caption == cell) return level;
    }
    return std::nullopt;
}
