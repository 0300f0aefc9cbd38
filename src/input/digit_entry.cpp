#include "input/digit_entry.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "display/question_layout.h"
#include "engine/question_display.h"
#include "engine/text_number.h"
#include "input/key_click.h"
#include "input/keypad_keys.h"

namespace {

constexpr char kFillIn[] = "填  空";
constexpr char kVerticalLayout[] = "竖  式";
constexpr char kLeftToRight[] = "0";
constexpr std::int32_t kLargestAnswer = 10000;
constexpr std::int16_t kMostDigits = 5;

// The answer boxes by place, units first.
std::array<Element*, 5> answerBoxes(MainForm& form) {
    return {&form.Labe1, &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5};
}

// The label of the blank term, or nullptr when no term is the blank.
Element* blankTerm(MainForm& form, std::int16_t blankPosition) {
    switch (blankPosition) {
        case 1:
            return &form.Label15;
        case 2:
            return &form.Label13;
        case 3:
            return &form.Label11;
        default:
            return nullptr;
    }
}

// Left-to-right entry: the digit becomes the new lowest place; the boxes stay empty.
void appendDigit(WindowContext& window) {
    TrainingState& state = window.state;
    const double grown = static_cast<double>(state.typedValue) * 10 + state.pressedKey;
    state.typedValue = saturatedTo<std::int32_t>(grown);
    for (Element* box : answerBoxes(window.form)) box->setCaption("");
}

// The answer as the right-to-left boxes read on screen, from the highest place to the units.
void readBoxes(WindowContext& window) {
    TrainingState& state = window.state;
    const auto boxes = answerBoxes(window.form);
    state.typedAnswer.clear();
    for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) {
        state.typedAnswer += (*box)->caption();
    }
    state.typedValue = saturatedTo<std::int32_t>(integerValueOf(state.typedAnswer));
}

// Right-to-left entry: the n-th digit typed goes into the n-th box from the units, and the
// answer is what the boxes read from left to right.
void fillNextBox(WindowContext& window) {
    TrainingState& state = window.state;
    const auto boxes = answerBoxes(window.form);
    if (state.typedDigitCount >= 1 && state.typedDigitCount <= kMostDigits) {
        boxes[static_cast<std::size_t>(state.typedDigitCount - 1)]->setCaption(
            plainNumber(state.pressedKey));
    }
    readBoxes(window);
}

// Writes the typed number into Label17 and the blank term; a vertical fill-in sum spaces it
// like the given terms.
void showTypedValue(WindowContext& window) {
    MainForm& form = window.form;
    const TrainingState& state = window.state;
    const bool spaced =
        form.Command6.caption() == kFillIn && form.Command8.caption() == kVerticalLayout;
    const std::string typed =
        spaced ? signedNumber(state.typedValue) : plainNumber(state.typedValue);
    form.Label17.setCaption(typed);
    if (Element* blank = blankTerm(form, state.blankPosition)) {
        blank->setCaption(spaced ? typed + " " : typed);
    }
}

// True while another digit fits the question: at most one digit more than the question's
// digit count, never five digits, and a value no larger than the limits.
bool anotherDigitFits(const TrainingState& state) {
    const int questionDigits = state.digitsIndex + 1;
    return std::pow(10.0, questionDigits) >= state.typedValue &&
           state.typedValue <= kLargestAnswer && state.typedDigitCount <= questionDigits &&
           state.typedDigitCount != kMostDigits;
}

}  // namespace

void enterDigit(WindowContext& window) {
    TrainingState& state = window.state;
    window.form.moveFocus(window.form.Command3);
    ++state.typedDigitCount;
    if (state.directionMode == kLeftToRight) {
        appendDigit(window);
    } else {
        fillNextBox(window);
    }
    showTypedValue(window);
    enableAllKeys(window.form, anotherDigitFits(state));
    aaa(window);
}

void takeBackDigit(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.typedDigitCount <= 0) return;
    if (state.directionMode == kLeftToRight) {
        state.typedValue /= 10;
    } else {
        if (state.typedDigitCount <= kMostDigits) {
            answerBoxes(window.form)[static_cast<std::size_t>(state.typedDigitCount - 1)]
                ->setCaption("");
        }
        readBoxes(window);
    }
    --state.typedDigitCount;
    if (state.typedDigitCount == 0) {
        window.form.Label17.setCaption("");
        restoreBlank(window);
    } else {
        showTypedValue(window);
    }
    enableAllKeys(window.form, anotherDigitFits(state));
    aaa(window);
    playKeyClick(window);
}
