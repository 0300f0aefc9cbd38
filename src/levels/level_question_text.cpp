#include "levels/level_question_text.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr char kMinus[] = "-";
constexpr char kTimes[] = " × ";
constexpr char kEquals[] = " =";

// A term with "-" before it when subtracted.
std::string termText(std::int32_t term) {
    const std::string digits = std::to_string(std::abs(term));
    return term < 0 ? kMinus + digits : digits;
}

}  // namespace

std::vector<std::string> columnLines(const SumQuestion& question) {
    std::size_t widest = 0;
    for (std::int32_t term : question.terms) {
        widest = std::max(widest, std::to_string(std::abs(term)).size());
    }
    const std::size_t width = widest + 1;
    std::vector<std::string> lines;
    for (std::int32_t term : question.terms) {
        const std::string text = termText(term);
        lines.push_back(std::string(width - text.size(), ' ') + text);
    }
    return lines;
}

std::string productLine(const ProductQuestion& question) {
    return std::to_string(question.first) + kTimes + std::to_string(question.second) + kEquals;
}
