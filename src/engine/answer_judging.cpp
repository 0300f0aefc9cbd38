#include "engine/answer_judging.h"

#include <limits>

#include "engine/question_operators.h"
#include "engine/text_number.h"

namespace {

static_assert(std::numeric_limits<double>::is_iec559, "corrections rely on IEEE division");

constexpr std::int16_t kResultBlank = 1;
constexpr std::int16_t kSecondTermBlank = 2;
constexpr std::int16_t kFirstTermBlank = 3;

// True when a op b = c holds in double arithmetic; a zero divisor never holds.
bool equationHolds(Operator op, double a, double b, double c) {
    switch (op) {
        case Operator::Plus:
            return c == a + b;
        case Operator::Minus:
            return c == a - b;
        case Operator::Times:
            return c == a * b;
        case Operator::Divide:
            return b != 0 && c == a / b;
    }
    return false;
}

// The value the blank should have held, from the two other terms; 0 for an unknown blank.
double blankValue(Operator op, std::int16_t blankPosition, double a, double b, double c) {
    switch (blankPosition) {
        case kResultBlank:
            switch (op) {
                case Operator::Plus:
                    return a + b;
                case Operator::Minus:
                    return a - b;
                case Operator::Times:
                    return a * b;
                case Operator::Divide:
                    return a / b;
            }
            break;
        case kSecondTermBlank:
            switch (op) {
                case Operator::Plus:
                    return c - a;
                case Operator::Minus:
                    return a - c;
                case Operator::Times:
                    return c / a;
                case Operator::Divide:
                    return a / c;
            }
            break;
        case kFirstTermBlank:
            switch (op) {
                case Operator::Plus:
                    return c - b;
                case Operator::Minus:
                    return b + c;
                case Operator::Times:
                    return c / b;
                case Operator::Divide:
                    return b * c;
            }
            break;
    }
    return 0;
}

}  // namespace

void pddc(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.judgedFirstText = form.Label11.caption();
    state.judgedSecondText = form.Label13.caption();
    state.judgedResultText = form.Label15.caption();
    const double a = state.judgedFirst = integerValueOf(state.judgedFirstText);
    const double b = state.judgedSecond = integerValueOf(state.judgedSecondText);
    const double c = state.judgedResult = integerValueOf(state.judgedResultText);

    const auto op = operatorOfSign(state.currentOperator);
    if (op && equationHolds(*op, a, b, c)) {
        state.lastVerdict = "√";
        state.correctionText.clear();
        ++state.rightCount;
        form.Label34.setCaption(plainNumber(state.rightCount));
    } else {
        const double expected = op ? blankValue(*op, state.blankPosition, a, b, c) : 0;
        state.lastVerdict = "×";
        state.correctionText = state.correctionPrefix + "(" + plainNumber(expected) + " )";
        ++state.wrongCount;
        form.Label24.setCaption(plainNumber(state.wrongCount));
    }
}

double expectedBlankValue(const TrainingState& state) {
    const auto op = operatorOfSign(state.currentOperator);
    if (!op) return 0;
    return blankValue(*op, state.blankPosition, state.judgedFirst, state.judgedSecond,
                      state.judgedResult);
}
