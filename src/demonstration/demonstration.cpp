#include "demonstration/demonstration.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "demonstration/bead_rhymes.h"
#include "display/abacus_board.h"
#include "display/question_layout.h"
#include "engine/question_generator.h"
#include "engine/question_terms.h"
#include "engine/random_choice.h"
#include "engine/text_number.h"
#include "sound/play_clip.h"

namespace {

constexpr char kPlus[] = "+";
constexpr char kMinus[] = "-";
constexpr char kEquals[] = "=";
constexpr char kBlankResult[] = "  ";
constexpr char kMissingDigitsPrompt[] = "请选择出题位数";
constexpr int kStepInterval = 1000;
constexpr std::int16_t kBeadClickClip = 112;
constexpr std::int16_t kMissingSettingClip = 106;
constexpr int kPlusModeIndex = 0;
constexpr int kMinusModeIndex = 1;
constexpr int kWorkingRow = 1;
constexpr int kResultRow = 3;
constexpr int kRhymeLeft = 1000;
constexpr int kRhymeTop = 3700;
constexpr Rgb kTermColour{0, 0, 0};
constexpr Rgb kBlankColour{0, 255, 255};
const FontSpec kRhymeFont{"楷体_GB2312", 18};

const char* const kEndingElements[] = {"Command2", "Command4", "Command6", "Command8",
                                       "Combo1",   "Combo2",   "Combo3",   "Combo4",
                                       "Label10",  "Label16",  "Label28",  "Label39"};
constexpr char kKeypadPrefix[] = "Command1(";
constexpr char kRodPrefix[] = "Picture";

// True for the operators the board demonstrates.
bool isSum(const std::string& sign) { return sign == kPlus || sign == kMinus; }

// The bead steps of the question being demonstrated.
std::vector<BeadStep> demonstratedSteps(const TrainingState& state) {
    return beadSteps(state.operandA, state.currentOperator == kMinus, state.operandB);
}

// Makes the question the last run ended on the current one, when the board can play it.
bool takeLastRunQuestion(TrainingState& state) {
    const QuestionHistorySlot& last = state.lastRunQuestion;
    const bool subtract = state.lastRunOperator == kMinus;
    if (!isSum(state.lastRunOperator) || !fitsBoardRow(last.operandA, subtract, last.operandB)) {
        return false;
    }
    state.currentOperator = state.lastRunOperator;
    state.operandA = last.operandA;
    state.operandB = last.operandB;
    state.operandC = subtract ? last.operandA - last.operandB : last.operandA + last.operandB;
    return true;
}

// Draws a new addition or subtraction for the chosen digits: the chosen operator when the
// mode is "+" or "-", else either at random. False, with a prompt, when no digits are chosen.
bool drawSumQuestion(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const int digits = form.Combo2.listIndex;
    if (digits < 0 || static_cast<std::size_t>(digits) >= form.Combo2.items.size()) {
        if (soundCuesOn(window)) playClip(window, kMissingSettingClip);
        window.services.dialogs.inform(kMissingDigitsPrompt);
        form.moveFocus(form.Combo2);
        return false;
    }
    const int mode = form.Combo1.listIndex;
    if (mode == kPlusModeIndex || mode == kMinusModeIndex) {
        state.currentOperator = mode == kPlusModeIndex ? kPlus : kMinus;
    } else {
        state.currentOperator = randomChoice(window.services.random, 2) == 1 ? kPlus : kMinus;
    }
    zdct(window);
    drawQuestionTerms(window);
    return true;
}

// The question line with its result blank in the blank's colour, the board under way and the
// empty rhyme label.
void showDemonstratedQuestion(WindowContext& window) {
    MainForm& form = window.form;
    const TrainingState& state = window.state;
    form.Label11.setCaption(plainNumber(state.operandA));
    form.Label12.setCaption(state.currentOperator);
    form.Label13.setCaption(plainNumber(state.operandB));
    form.Label14.setCaption(kEquals);
    form.Label15.setCaption(kBlankResult);
    form.Label11.foreColor = kTermColour;
    form.Label13.foreColor = kTermColour;
    form.Label15.foreColor = kBlankColour;
    layOutBoardAboveRow(window);
    zmt(window);
    form.Label40.setFont(kRhymeFont);
    form.Label40.setCaption("");
    form.Label40.left = kRhymeLeft;
    form.Label40.top = kRhymeTop;
    form.Label40.visible = true;
}

// Shows the result in the question line and on the third row and stops the steps.
void finishDemonstration(WindowContext& window) {
    const std::int32_t result = window.state.operandC;
    window.form.Label15.setCaption(plainNumber(result));
    showOnBoardRow(window, kResultRow, result);
    window.form.Timer4.enabled = false;
}

}  // namespace

bool startDemonstration(WindowContext& window) {
    stopDemonstration(window);
    if (!takeLastRunQuestion(window.state) && !drawSumQuestion(window)) return false;
    showDemonstratedQuestion(window);
    window.state.demonstrationStep = 0;
    window.form.Timer4.startTimer(kStepInterval);
    return true;
}

void Timer4_Timer(WindowContext& window) {
    TrainingState& state = window.state;
    const std::vector<BeadStep> steps = demonstratedSteps(state);
    const auto shown = static_cast<std::size_t>(state.demonstrationStep);
    if (shown < steps.size()) {
        const BeadStep& step = steps[shown];
        ++state.demonstrationStep;
        showOnBoardRow(window, kWorkingRow, step.rowValue);
        window.form.Label40.setCaption(step.rhyme);
        if (soundCuesOn(window)) playClip(window, kBeadClickClip);
    }
    if (static_cast<std::size_t>(state.demonstrationStep) >= steps.size()) {
        finishDemonstration(window);
    }
}

void stopDemonstration(WindowContext& window) {
    window.form.Timer4.enabled = false;
    window.form.Label40.visible = false;
}

bool endsDemonstration(const std::string& name) {
    if (name.rfind(kKeypadPrefix, 0) == 0 || name.rfind(kRodPrefix, 0) == 0) return true;
    for (const char* ending : kEndingElements) {
        if (name == ending) return true;
    }
    return false;
}
