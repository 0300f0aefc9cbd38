#include "engine/question_terms.h"

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

// For "+" and "×" the first drawn number is operandA, for "-" and "÷" it is operandC.
bool firstDrawnIsOperandA(Operator op) { return op == Operator::Plus || op == Operator::Times; }

// The history term the first drawn number must differ from.
std::int32_t recentFirstDrawn(const QuestionHistorySlot& slot, Operator op) {
    return firstDrawnIsOperandA(op) ? slot.operandA : slot.operandC;
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
bool pairIsRejected(const TrainingState& state, Operator op, std::int32_t first,
                    std::int32_t second) {
    const bool equalPairRejected = firstDrawnIsOperandA(op);
    return state.zeroDigitCount > 0 || (equalPairRejected && first == second) ||
           isTooSmall(first, state.digitsA) || isTooSmall(second, state.digitsB) ||
           second == state.historySlot0.operandB || second == state.historySlot1.operandB ||
           first == recentFirstDrawn(state.historySlot0, op) ||
           first == recentFirstDrawn(state.historySlot1, op);
}

// Puts the accepted pair into its terms and computes the third.
void setTerms(TrainingState& state, Operator op, std::int32_t first, std::int32_t second) {
    state.operandB = second;
    switch (op) {
        case Operator::Plus:
            state.operandA = first;
            state.operandC = first + second;
            break;
        case Operator::Minus:
            state.operandC = first;
            state.operandA = first + second;
            break;
        case Operator::Times:
            state.operandA = first;
            state.operandC = first * second;
            break;
        case Operator::Divide:
            state.operandC = first;
            state.operandA = first * second;
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
    if (!op || state.digitsA < 1 || state.digitsB < 1) return;
    std::int32_t first = 0;
    std::int32_t second = 0;
    do {
        first = drawNumber(window.services.random, state.digitsA);
        second = drawNumber(window.services.random, state.digitsB);
        countZeroDigits(window, first, second);
    } while (pairIsRejected(state, *op, first, second));
    setTerms(state, *op, first, second);
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
