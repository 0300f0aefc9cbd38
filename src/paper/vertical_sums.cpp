#include "paper/vertical_sums.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "paper/paper_record.h"
#include "paper/paper_text.h"

namespace {

constexpr int kSumWidth = 11;
constexpr std::int16_t kFourOperationMode = 6;
constexpr int kGroupSize = 5;

// Joins the columns of one line with one blank.
std::string joinColumns(const std::vector<std::string>& columns) {
    std::string line;
    for (const std::string& column : columns) {
        if (!line.empty()) line += ' ';
        line += column;
    }
    return line;
}

// The width of the group's sums: the usual width, or more when a three-digit question number
// and a five-digit first term would not fit, so each sum's units still stand in one column.
int groupSumWidth(const std::array<VerticalSumSlot, kGroupSize>& slots) {
    int width = kSumWidth;
    for (const VerticalSumSlot& sum : slots) {
        width = std::max(width, characterCount(sum.numberText) + characterCount(sum.firstTermText));
    }
    return width;
}

}  // namespace

bool placeVerticalSum(WindowContext& window) {
    TrainingState& state = window.state;
    ++state.paperQuestionNumber;
    dddd(window);
    if (state.modeIndex >= kFourOperationMode) return false;
    state.groupPosition = (state.groupPosition + 1) % kGroupSize;
    ++state.verticalNumber;
    const int slot = state.groupPosition == 0 ? kGroupSize : state.groupPosition;
    state.verticalSlots[static_cast<std::size_t>(slot - 1)] = {
        compactNumber(state.verticalNumber), state.termText1, state.currentOperator,
        state.termText2, state.termText3};
    if (slot == kGroupSize || state.verticalNumber == state.questionTotal) ssss(window);
    return true;
}

void ssss(WindowContext& window) {
    TrainingState& state = window.state;
    const int sumWidth = groupSumWidth(state.verticalSlots);
    const int operatorRoom = isWideOperator(state.currentOperator) ? sumWidth - 2 : sumWidth - 1;
    std::vector<std::string> first, second, rule, result;
    for (VerticalSumSlot& sum : state.verticalSlots) {
        if (sum.numberText.empty()) continue;
        const int operandWidth =
            characterCount(sum.operatorText) + characterCount(sum.secondTermText);
        const std::string indent = blanks(operatorRoom + 1 - operandWidth);
        const int dashes = operandWidth + (isWideOperator(sum.operatorText) ? 1 : 0);
        first.push_back(
            sum.numberText +
            blanks(sumWidth - characterCount(sum.numberText) - characterCount(sum.firstTermText)) +
            sum.firstTermText);
        second.push_back(indent + sum.operatorText + sum.secondTermText);
        rule.push_back(indent + std::string(static_cast<std::size_t>(dashes), '-'));
        result.push_back(blanks(sumWidth - characterCount(sum.resultTermText)) +
                         sum.resultTermText);
        sum = {};
    }
    for (const auto* line : {&first, &second, &rule, &result}) {
        window.form.List1.addItem(joinColumns(*line));
    }
    window.form.List1.addItem("");
}
