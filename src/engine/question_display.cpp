#include "engine/question_display.h"

#include <string>
#include <utility>

#include "engine/question_generator.h"
#include "engine/text_number.h"

namespace {

constexpr char kNormalQuestions[] = "正  常";
constexpr char kVerticalLayout[] = "竖  式";
constexpr char kEmptyResult[] = "  ";
constexpr Rgb kButtonText{0, 0, 0};
constexpr Rgb kBlankColour{0, 255, 255};

constexpr std::int16_t kResultBlank = 1;
constexpr std::int16_t kSecondTermBlank = 2;
constexpr std::int16_t kFirstTermBlank = 3;

}  // namespace

void colourTerms(MainForm& form, std::int16_t blankPosition) {
    const std::pair<Element*, std::int16_t> terms[] = {{&form.Label11, kFirstTermBlank},
                                                       {&form.Label13, kSecondTermBlank},
                                                       {&form.Label15, kResultBlank}};
    for (const auto& [term, position] : terms) {
        const bool blank = blankPosition == position;
        term->foreColor = blank ? kBlankColour : kButtonText;
        term->backColor = blank ? kAnswerBackground : kTermBackground;
    }
}

void showQuestion(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    khws(window);
    const bool normal = form.Command6.caption() == kNormalQuestions;
    // The vertical sum leaves one blank after each given term, except in a normal question.
    const std::string gap = form.Command8.caption() == kVerticalLayout ? " " : "";
    const std::string first = plainNumber(state.operandA) + gap;
    const std::string second = plainNumber(state.operandB) + gap;
    const std::string result = plainNumber(state.operandC) + gap;
    switch (state.blankPosition) {
        case kResultBlank:
            form.Label11.setCaption(normal ? plainNumber(state.operandA) : first);
            form.Label13.setCaption(normal ? plainNumber(state.operandB) : second);
            form.Label15.setCaption(normal ? kEmptyResult : state.blankText);
            break;
        case kSecondTermBlank:
            form.Label11.setCaption(first);
            form.Label13.setCaption(state.blankText);
            form.Label15.setCaption(result);
            break;
        case kFirstTermBlank:
            form.Label11.setCaption(state.blankText);
            form.Label13.setCaption(second);
            form.Label15.setCaption(result);
            break;
        default:
            break;
    }
    colourTerms(form, state.blankPosition);
}

void restoreBlank(WindowContext& window) {
    MainForm& form = window.form;
    const TrainingState& state = window.state;
    khws(window);
    switch (state.blankPosition) {
        case kResultBlank:
            form.Label15.setCaption(form.Command6.caption() == kNormalQuestions ? kEmptyResult
                                                                                : state.blankText);
            break;
        case kSecondTermBlank:
            form.Label13.setCaption(state.blankText);
            break;
        case kFirstTermBlank:
            form.Label11.setCaption(state.blankText);
            break;
        default:
            break;
    }
}
