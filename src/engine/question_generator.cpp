#include "engine/question_generator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/question_operators.h"
#include "engine/question_terms.h"
#include "engine/random_choice.h"
#include "engine/redo_question.h"

namespace {

// One entry of the mode list: its text and the operators a question of it may carry.
struct Mode {
    std::string_view text;
    std::array<std::string_view, 4> operators;
    int operatorCount;
    bool seedsBeforeEachDraw;  // the generator is seeded from the clock before the choice
};

constexpr std::array<Mode, 7> kModes{{
    {"+", {kPlusSign}, 1, false},
    {"-", {kMinusSign}, 1, false},
    {"+-", {kPlusSign, kMinusSign}, 2, true},
    {"×", {kTimesSign}, 1, false},
    {"÷", {kDivideSign}, 1, false},
    {"×÷", {kTimesSign, kDivideSign}, 2, false},
    {"+-×÷", {kPlusSign, kMinusSign, kTimesSign, kDivideSign}, 4, false},
}};

// Digits of the first and second drawn number.
struct DigitCounts {
    std::int16_t first;
    std::int16_t second;
};

// Rows by the digits list's index, columns "+", "-", "×", "÷".
constexpr std::array<std::array<DigitCounts, 4>, 4> kDigitCounts{{
    {{{1, 1}, {1, 1}, {1, 1}, {1, 1}}},
    {{{2, 2}, {2, 2}, {1, 2}, {2, 1}}},
    {{{3, 3}, {3, 3}, {1, 3}, {3, 1}}},
    {{{4, 4}, {4, 4}, {2, 2}, {2, 2}}},
}};

// Blank texts by the digits list's index: two to five blanks between the brackets.
constexpr std::array<std::string_view, 4> kBlankTexts{"(  )", "(   )", "(    )", "(     )"};

constexpr std::string_view kBeadsOnlyDisplay = "珠算";

// True when `index` selects one of `count` table rows.
bool isRowOf(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

void ysfh(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    form.Label14.setCaption("=");
    state.modeIndex = static_cast<std::int16_t>(form.Combo1.listIndex);
    if (isRowOf(state.modeIndex, kModes.size())) {
        const Mode& mode = kModes[static_cast<std::size_t>(state.modeIndex)];
        state.modeOperators = mode.text;
        if (mode.seedsBeforeEachDraw) window.services.random.randomize();
        const int choice =
            mode.operatorCount == 1 ? 1 : randomChoice(window.services.random, mode.operatorCount);
        state.currentOperator = mode.operators[static_cast<std::size_t>(choice - 1)];
    }
    form.Label12.setCaption(state.currentOperator);
}

void zdct(WindowContext& window) {
    TrainingState& state = window.state;
    state.digitsIndex = static_cast<std::int16_t>(window.form.Combo2.listIndex);
    const auto op = operatorOfSign(state.currentOperator);
    if (!op || !isRowOf(state.digitsIndex, kDigitCounts.size())) return;
    const DigitCounts counts =
        kDigitCounts[static_cast<std::size_t>(state.digitsIndex)][static_cast<std::size_t>(*op)];
    state.digitsA = counts.first;
    state.digitsB = counts.second;
}

void chooseBlankPosition(WindowContext& window) {
    TrainingState& state = window.state;
    state.blankPosition = state.fillBlankMode.empty()
                              ? std::int16_t{1}
                              : static_cast<std::int16_t>(randomChoice(window.services.random, 3));
}

void khws(WindowContext& window) {
    TrainingState& state = window.state;
    if (window.form.Label16.caption() == kBeadsOnlyDisplay) {
        state.blankText.clear();
    } else if (isRowOf(state.digitsIndex, kBlankTexts.size())) {
        state.blankText = kBlankTexts[static_cast<std::size_t>(state.digitsIndex)];
    }
    state.blankTextCopy = state.blankText;
}

void drawNextQuestion(WindowContext& window) {
    if (takeRedoQuestion(window)) {
        zdct(window);  // the digit counts follow the book question's operator
        return;
    }
    ysfh(window);
    zdct(window);
    chooseBlankPosition(window);
    drawQuestionTerms(window);
    recordQuestionHistory(window);
}
