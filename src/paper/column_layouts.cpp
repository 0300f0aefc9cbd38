#include "paper/column_layouts.h"

#include "paper/paper_record.h"
#include "paper/paper_text.h"

namespace {

// The question line: number, first term, operator, second term, "=" and result term.
std::string questionLine(const TrainingState& state, std::int32_t number) {
    return listNumber(number) + state.termText1 + state.currentOperator + state.termText2 + "=" +
           state.termText3;
}

// Blanks that bring the right column to its place after a left column `leftText`: a wide
// operator in the left question takes one of them.
int blanksAfterLeftColumn(const TrainingState& state, const std::string& leftText) {
    const int narrowing = isWideOperator(state.currentOperator) ? 0 : 1;
    return state.columnWidth - characterCount(leftText) + narrowing;
}

}  // namespace

void writeSingleColumnQuestion(WindowContext& window) {
    TrainingState& state = window.state;
    ++state.paperQuestionNumber;
    dddd(window);
    ++state.leftColumnNumber;
    window.form.List1.addItem(questionLine(state, state.leftColumnNumber));
}

void writeDoubleColumnQuestion(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.columnToggle == 0) {
        state.columnToggle = 1;
        ++state.rightColumnNumber;
        state.rightColumnText = questionLine(state, state.rightColumnNumber);
        state.paperQuestionNumber = state.rightColumnNumber;
        dddd(window);
        return;
    }
    state.columnToggle = 0;
    ++state.leftColumnNumber;
    state.leftColumnText = questionLine(state, state.leftColumnNumber);
    state.paperQuestionNumber = state.leftColumnNumber;
    dddd(window);
    state.columnGap = blanks(blanksAfterLeftColumn(state, state.leftColumnText)) + state.columnGap;
    window.form.List1.addItem(state.leftColumnText + state.columnGap + state.rightColumnText);
}

void finishDoubleColumn(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.columnToggle != 1) return;
    state.columnToggle = 0;
    state.columnGap = blanks(state.columnWidth + 1) + state.columnGap;
    window.form.List1.addItem(state.columnGap + state.rightColumnText);
}
