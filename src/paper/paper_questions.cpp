#include "paper/paper_questions.h"

#include <array>
#include <cstddef>

#include "engine/question_generator.h"
#include "engine/question_operators.h"
#include "engine/question_terms.h"
#include "engine/text_number.h"
#include "paper/paper_text.h"

namespace {

constexpr char kNormalQuestions[] = "正  常";
constexpr char kUnansweredResult[] = "     ";
constexpr char kEmptyResultCaption[] = "  ";
constexpr std::int16_t kDivisionOnlyMode = 4;
constexpr std::int16_t kRecentPaperQuestions = 4;

// True when the name box holds exactly the learner title.
bool nameBoxHoldsTitle(const WindowContext& window) {
    return window.form.Text1.caption() == window.state.learnerTitle;
}

// The terms the two drawn numbers become. Multiplication and division swap the run's digit
// counts (a three-digit paper divides by a three-digit number), except that the learner
// title keeps the run's order for multiplication and for remainder division.
DrawnTerms paperDrawnTerms(const WindowContext& window, Operator op) {
    switch (op) {
        case Operator::Plus:
            return {Term::A, Term::B};
        case Operator::Minus:
            return {Term::C, Term::B};
        case Operator::Times:
            return nameBoxHoldsTitle(window) ? DrawnTerms{Term::A, Term::B}
                                             : DrawnTerms{Term::B, Term::A};
        case Operator::Divide:
            break;
    }
    return isRemainderPaper(window) ? DrawnTerms{Term::C, Term::B} : DrawnTerms{Term::B, Term::C};
}

// Draws a remainder between 1 and the divisor less one and adds it to the dividend.
void drawRemainder(WindowContext& window) {
    TrainingState& state = window.state;
    std::int32_t remainder = 0;
    do {
        remainder = drawNumber(window.services.random, state.digitsA);
    } while (remainder <= 0 || remainder >= state.operandB);
    state.paperRemainder = static_cast<std::int16_t>(remainder);
    state.operandA += remainder;
}

// Writes the question into the ring slot whose turn it is: ring slots 0 and 1 are the run's
// history slots 1 and 0, slots 2 and 3 the paper's own.
void recordInRing(TrainingState& state) {
    const std::array<QuestionHistorySlot*, kRecentPaperQuestions> ring{
        &state.historySlot1, &state.historySlot0, &state.historySlot2, &state.historySlot3};
    std::int16_t turn = state.historySlotToggle.value_or(0);
    if (turn < 0 || turn >= kRecentPaperQuestions) turn = 0;
    *ring[static_cast<std::size_t>(turn)] = {state.operandA, state.operandB, state.operandC};
    state.historySlotToggle = static_cast<std::int16_t>((turn + 1) % kRecentPaperQuestions);
}

}  // namespace

bool isRemainderPaper(const WindowContext& window) {
    return nameBoxHoldsTitle(window) && window.form.Command6.caption() == kNormalQuestions &&
           window.state.modeIndex == kDivisionOnlyMode;
}

void drawPaperQuestion(WindowContext& window) {
    TrainingState& state = window.state;
    const auto op = operatorOfSign(state.currentOperator);
    if (!op) return;
    const std::array<const QuestionHistorySlot*, kRecentPaperQuestions> recent{
        &state.historySlot1, &state.historySlot0, &state.historySlot2, &state.historySlot3};
    if (!drawTermsAvoiding(window, paperDrawnTerms(window, *op), recent)) return;
    if (*op == Operator::Divide && isRemainderPaper(window)) drawRemainder(window);
    recordInRing(state);
}

void setPaperTerms(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const std::string textA = paperTermText(state.operandA);
    const std::string textB = paperTermText(state.operandB);
    const std::string textC = paperTermText(state.operandC);
    switch (state.blankPosition) {
        case 1:
            if (form.Command6.caption() == kNormalQuestions) {
                state.termText3 = kUnansweredResult;
            } else {
                state.digitsIndex = static_cast<std::int16_t>(form.Combo2.listIndex);
                khws(window);
                state.termText3 = state.blankText;
            }
            state.termText1 = textA;
            state.termText2 = textB;
            state.paperAnswer = state.operandC;
            form.Label11.setCaption(plainNumber(state.operandA));
            form.Label13.setCaption(plainNumber(state.operandB));
            form.Label15.setCaption(kEmptyResultCaption);
            break;
        case 2:
            khws(window);
            state.termText1 = textA;
            state.termText2 = state.blankText;
            state.termText3 = textC;
            state.paperAnswer = state.operandB;
            form.Label11.setCaption(plainNumber(state.operandA));
            form.Label13.setCaption(state.blankText);
            form.Label15.setCaption(plainNumber(state.operandC));
            break;
        case 3:
            khws(window);
            state.termText1 = state.blankText;
            state.termText2 = textB;
            state.termText3 = textC;
            state.paperAnswer = state.operandA;
            form.Label11.setCaption(state.blankText);
            form.Label13.setCaption(plainNumber(state.operandB));
            form.Label15.setCaption(plainNumber(state.operandC));
            break;
        default:
            break;
    }
}
