#include "engine/redo_question.h"

#include <cstdint>

#include "engine/text_number.h"

namespace {

constexpr std::int16_t kResultBlank = 1;
constexpr std::int16_t kSecondTermBlank = 2;
constexpr std::int16_t kFirstTermBlank = 3;

// A term of the question as asked: the right answer where the blank was.
std::int32_t askedTerm(const StoredQuestion& question, std::int16_t position,
                       const std::string& shown) {
    const std::string& text = question.blankPosition == position ? question.rightAnswer : shown;
    return saturatedTo<std::int32_t>(integerValueOf(text));
}

}  // namespace

bool takeRedoQuestion(WindowContext& window) {
    if (window.redoQuestions.empty()) {
        window.redoAsked.reset();
        return false;
    }
    const StoredQuestion question = window.redoQuestions.front();
    window.redoQuestions.erase(window.redoQuestions.begin());
    TrainingState& state = window.state;
    state.modeOperators = kRedoModeWord;
    state.currentOperator = question.operatorSign;
    window.form.Label12.setCaption(question.operatorSign);
    window.form.Label14.setCaption("=");
    state.operandA = askedTerm(question, kFirstTermBlank, question.firstTerm);
    state.operandB = askedTerm(question, kSecondTermBlank, question.secondTerm);
    state.operandC = askedTerm(question, kResultBlank, question.resultTerm);
    state.blankPosition =
        question.blankPosition == kSecondTermBlank || question.blankPosition == kFirstTermBlank
            ? question.blankPosition
            : kResultBlank;
    window.redoAsked = question;
    return true;
}
