#include "paper/answer_sheets.h"

#include <string>

#include "engine/text_number.h"
#include "paper/paper_record.h"
#include "paper/paper_text.h"

namespace {

constexpr char kVerticalLayout[] = "竖  式";
constexpr int kCellsPerLine = 5;
constexpr int kRemainderCellWidth = 11;

// The question number in cell `cell` (0..4) of line `line` (1..): down the columns, so that
// line r holds r, n/5 + r, 2n/5 + r, ...
std::int32_t numberDownColumns(const TrainingState& state, int line, int cell) {
    return cell * (state.questionTotal / kCellsPerLine) + line;
}

// The question number in cell `cell` of line `line`, row by row.
std::int32_t numberAcrossRows(int line, int cell) { return (line - 1) * kCellsPerLine + cell + 1; }

}  // namespace

void ddddb(WindowContext& window) {
    TrainingState& state = window.state;
    const bool acrossRows = window.form.Command8.caption() == kVerticalLayout;
    const int lines = state.questionTotal / kCellsPerLine;
    for (int line = 1; line <= lines; ++line) {
        std::string text;
        for (int cell = 0; cell < kCellsPerLine; ++cell) {
            state.paperQuestionNumber =
                acrossRows ? numberAcrossRows(line, cell) : numberDownColumns(state, line, cell);
            ddddc(window);
            const std::string number = compactNumber(state.paperQuestionNumber);
            const std::string answer = signedNumber(state.paperAnswer);
            if (cell > 0) text += ' ';
            text += number + blanks(state.answerColumnWidth + 1 - characterCount(number + answer)) +
                    answer;
        }
        window.form.List1.addItem(text);
    }
}

void mmmma(WindowContext& window) {
    TrainingState& state = window.state;
    const int lines = state.questionTotal / kCellsPerLine;
    for (int line = 1; line <= lines; ++line) {
        std::string text;
        for (int cell = 0; cell < kCellsPerLine; ++cell) {
            state.paperQuestionNumber = numberDownColumns(state, line, cell);
            ddddc(window);
            ddddd(window);
            const std::string entry = listNumber(state.paperQuestionNumber) +
                                      signedNumber(state.paperAnswer) +
                                      signedNumber(state.paperRemainder);
            text += entry;
            if (cell < kCellsPerLine - 1)
                text += blanks(kRemainderCellWidth - characterCount(entry));
        }
        window.form.List1.addItem(text);
    }
}
