#include "engine/question_terms.h"

#include <array>
#include <cmath>

#include "engine/question_operators.h"
#include "engine/text_number.h"

namespace {

// 10^exponent, exact in double for the exponents used here.
double powerOfTen(int exponent) {
    double power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

// The run draws operandA for "+" and "×" and operandC for "-" and "÷", then operandB.
DrawnTerms runDrawnTerms(Operator op) {
    const bool firstIsA = op == Operator::Plus || op == Operator::Times;
    return {firstIsA ? Term::A : Term::C, Term::B};
}

// The term `which` of a question.
std::int32_t termOf(const QuestionHistorySlot& terms, Term which) {
    switch (which) {
        case Term::A:
            return terms.operandA;
        case Term::B:
            return terms.operandB;
        case Term::C:
            return terms.operandC;
    }
    return 0;
}

// The field of the current question that holds term `which`.
std::int32_t& termOf(TrainingState& state, Term which) {
    switch (which) {
        case Term::A:
            return state.operandA;
        case Term::B:
            return state.operandB;
        case Term::C:
            break;
    }
    return state.operandC;
}

// Counts the zero digits of both drawn numbers into zeroDigitCount, the second one first.
void countZeroDigits(WindowContext& window, std::int32_t first, std::int32_t second) {
    TrainingState& state = window.state;
    state.zeroDigitCount = 0;
    state.digitCheckText = plainNumber(second);
    fl(window);
    state.digitCheckText = plainNumber(first);
    fl(window);
}

// True when any rejection rule of the operator holds for the drawn pair.
bool pairIsRejected(const TrainingState& state, Operator op, DrawnTerms drawn,
                    RecentQuestions recent, std::int32_t first, std::int32_t second) {
    const bool equalPairRejected = op == Operator::Plus || op == Operator::Times;
    if (state.zeroDigitCount > 0 || (equalPairRejected && first == second) ||
        isTooSmall(first, state.digitsA) || isTooSmall(second, state.digitsB)) {
        return true;
    }
    for (const QuestionHistorySlot* slot : recent) {
        if (second == termOf(*slot, drawn.second) || first == termOf(*slot, drawn.first)) {
            return true;
        }
    }
    return false;
}

// Puts the accepted pair into its terms and computes the third: the result of "+" and "×",
// the first operand of "-" and "÷".
void setTerms(TrainingState& state, Operator op, DrawnTerms drawn, std::int32_t first,
              std::int32_t second) {
    termOf(state, drawn.first) = first;
    termOf(state, drawn.second) = second;
    switch (op) {
        case Operator::Plus:
            state.operandC = state.operandA + state.operandB;
            break;
        case Operator::Minus:
            state.operandA = state.operandC + state.operandB;
            break;
        case Operator::Times:
            state.operandC = state.operandA * state.operandB;
            break;
        case Operator::Divide:
            state.operandA = state.operandC * state.operandB;
            break;
    }
}

}  // namespace

std::int32_t drawNumber(RandomSource& random, int digits) {
    return static_cast<std::int32_t>(
        std::floor(static_cast<double>(random.next()) * powerOfTen(digits)));
}

bool isTooSmall(std::int32_t number, int digits) { return number <= powerOfTen(digits - 1); }

void fl(WindowContext& window) {
    TrainingState& state = window.state;
    std::string& text = state.digitCheckText;
    while (text.size() > 1) {
        text.erase(0, 1);
        if (text.front() == '0') ++state.zeroDigitCount;
    }
}

void drawQuestionTerms(WindowContext& window) {
    TrainingState& state = window.state;
    const auto op = operatorOfSign(state.currentOperator);
    if (!op) return;
    const std::array<const QuestionHistorySlot*, 2> recent{&state.historySlot0,
                                                           &state.historySlot1};
    drawTermsAvoiding(window, runDrawnTerms(*op), recent);
}

bool drawTermsAvoiding(WindowContext& window, DrawnTerms drawn, RecentQuestions recent) {
    TrainingState& state = window.state;
    const auto op = operatorOfSign(state.currentOperator);
    if (!op || state.digitsA < 1 || state.digitsB < 1) return false;
    std::int32_t first = 0;
    std::int32_t second = 0;
    do {
        first = drawNumber(window.services.random, state.digitsA);
        second = drawNumber(window.services.random, state.digitsB);
        countZeroDigits(window, first, second);
    } while (pairIsRejected(state, *op, drawn, recent, first, second));
    setTerms(state, *op, drawn, first, second);
    return true;
}

void recordQuestionHistory(WindowContext& window) {
    TrainingState& state = window.state;
    const QuestionHistorySlot terms{state.operandA, state.operandB, state.operandC};
    if (state.historySlotToggle == 1) {
        state.historySlot1 = terms;
        state.historySlotToggle = 0;
    } else {
        state.historySlot0 = terms;
        state.historySlotToggle = 1;
    }
}
