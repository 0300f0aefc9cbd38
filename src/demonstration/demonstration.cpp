#include "demonstration/demonstration.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "demonstration/bead_rhymes.h"
#include "demonstration/demonstration_settings.h"
#include "demonstration/division_steps.h"
#include "demonstration/multiplication_steps.h"
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
constexpr char kTimes[] = "×";
constexpr char kDivide[] = "÷";
constexpr char kEquals[] = "=";
constexpr char kBlankResult[] = "  ";
constexpr char kMissingDigitsPrompt[] = "请选择出题位数";
constexpr char kPausedNote[] = "（暂停）";
constexpr char kRhymeTooltip[] = "单击暂停或继续；暂停时按空格键或→走一步；右键选择快慢";
constexpr char kEndNote[] = "演示结束：";
constexpr char kStepKey[] = "space";
constexpr char kNextKey[] = "Right";
constexpr int kMarkerMargin = 45;
constexpr int kMarkerThickness = 3;
constexpr std::int16_t kBeadClickClip = 112;
constexpr std::int16_t kMissingSettingClip = 106;
// The operators a new question may take, by the mode list's index ("+" .. "+-×÷").
const std::vector<std::vector<const char*>> kModeOperators = {{kPlus},
                                                              {kMinus},
                                                              {kPlus, kMinus},
                                                              {kTimes},
                                                              {kDivide},
                                                              {kTimes, kDivide},
                                                              {kPlus, kMinus, kTimes, kDivide}};
constexpr int kSumsModeIndex = 2;
constexpr int kWorkingRow = 1;
constexpr int kResultRow = 3;
constexpr int kRhymeLeft = 1000;
constexpr int kRhymeTop = 3700;
constexpr Rgb kMarkerColour{255, 0, 0};
constexpr Rgb kTermColour{0, 0, 0};
constexpr Rgb kBlankColour{0, 255, 255};
const FontSpec kRhymeFont{"楷体_GB2312", 22};  // 29 pixels at 100 %

const char* const kEndingElements[] = {"Command2", "Command4", "Command6", "Command8",
                                       "Combo1",   "Combo2",   "Combo3",   "Combo4",
                                       "Label10",  "Label16",  "Label28",  "Label39"};
constexpr char kKeypadPrefix[] = "Command1(";
constexpr char kRodPrefix[] = "Picture";

// The bead steps of `first` `sign` `second` on a board row, a division's quotient digits found
// by `trial`; empty for an operator the board does not work, or a question too large for its
// rods.
std::vector<BeadStep> stepsOf(const std::string& sign, std::int32_t first, std::int32_t second,
                              QuotientTrial trial) {
    if (sign == kPlus || sign == kMinus) return beadSteps(first, sign == kMinus, second);
    if (sign == kTimes) return multiplicationSteps(first, second, kRowPlaces);
    if (sign == kDivide) return divisionSteps(first, second, trial, kRowPlaces);
    return {};
}

// True when the board row can play `first` `sign` `second`.
bool boardWorks(const std::string& sign, std::int32_t first, std::int32_t second) {
    if (sign == kPlus || sign == kMinus) return fitsBoardRow(first, sign == kMinus, second);
    return !stepsOf(sign, first, second, QuotientTrial::Direct).empty();
}

// The bead steps of the question being demonstrated.
std::vector<BeadStep> demonstratedSteps(const TrainingState& state) {
    return stepsOf(
        state.currentOperator, state.operandA, state.operandB,
        state.demonstrationTriesQuotient ? QuotientTrial::Estimate : QuotientTrial::Direct);
}

// What the working row shows before the first step: nothing for a multiplication, which is
// worked on an empty row, else the first term.
std::int32_t startingRow(const TrainingState& state) {
    return state.currentOperator == kTimes ? 0 : state.operandA;
}

// The result of `first` `sign` `second`, the quotient for "÷".
std::int32_t resultOf(const std::string& sign, std::int32_t first, std::int32_t second) {
    if (sign == kMinus) return first - second;
    if (sign == kTimes) return first * second;
    if (sign == kDivide) return second == 0 ? 0 : first / second;
    return first + second;
}

// Makes the question the last run ended on the current one, when the board can play it.
bool takeLastRunQuestion(TrainingState& state) {
    const QuestionHistorySlot& last = state.lastRunQuestion;
    const std::string& sign = state.lastRunOperator;
    if (!boardWorks(sign, last.operandA, last.operandB)) return false;
    state.currentOperator = sign;
    state.operandA = last.operandA;
    state.operandB = last.operandB;
    state.operandC = resultOf(sign, last.operandA, last.operandB);
    return true;
}

// Draws a new question for the chosen digits with an operator of the chosen mode, "+" or "-"
// when none is chosen. False, with a prompt, when no digits are chosen.
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
    int mode = form.Combo1.listIndex;
    if (mode < 0 || static_cast<std::size_t>(mode) >= kModeOperators.size()) mode = kSumsModeIndex;
    const std::vector<const char*>& operators = kModeOperators[static_cast<std::size_t>(mode)];
    const int choice = operators.size() == 1 ? 1
                                             : randomChoice(window.services.random,
                                                            static_cast<int>(operators.size()));
    state.currentOperator = operators[static_cast<std::size_t>(choice - 1)];
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
    showOnBoardRow(window, kWorkingRow, startingRow(state));
    form.Label40.setFont(kRhymeFont);
    form.Label40.setCaption("");
    form.Label40.left = kRhymeLeft;
    form.Label40.top = kRhymeTop;
    form.Label40.tooltip = kRhymeTooltip;
    form.Label40.menuItems.clear();
    form.Label40.menuItems = demonstrationPaceWords();
    form.Label40.visible = true;
}

// Shows the result in the question line, on the third row and after "演示结束", and stops;
// the step count passes the last step, so the demonstration is no longer under way.
void finishDemonstration(WindowContext& window, std::size_t stepCount) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.demonstrationStep = static_cast<std::int16_t>(stepCount + 1);
    const std::int32_t result = state.operandC;
    form.Label15.setCaption(plainNumber(result));
    showOnBoardRow(window, kResultRow, result);
    form.Timer4.enabled = false;
    form.demonstrationMarker.visible = false;
    form.Label40.setCaption(kEndNote + plainNumber(state.operandA) + state.currentOperator +
                            plainNumber(state.operandB) + kEquals + plainNumber(result));
}

// The rods of the working row, units last.
std::array<Element*, kRowPlaces> workingRods(MainForm& form) {
    return {&form.Picture9, &form.Picture8, &form.Picture7, &form.Picture6, &form.Picture5};
}

// Frames the rod of `place` on the working row, and the `framed` − 1 rods right of it, for the
// length of its step.
void markRods(WindowContext& window, int place, int framed) {
    MainForm& form = window.form;
    const Element& row = form.Picture2;
    const auto rods = workingRods(form);
    const Element& left = *rods[static_cast<std::size_t>(kRowPlaces - 1 - place)];
    const int lowest = std::max(0, place - framed + 1);
    const Element& right = *rods[static_cast<std::size_t>(kRowPlaces - 1 - lowest)];
    Element& marker = form.demonstrationMarker;
    marker.left = row.left + left.left - kMarkerMargin;
    marker.top = row.top + left.top - kMarkerMargin;
    marker.width = right.left + right.width - left.left + 2 * kMarkerMargin;
    marker.height = left.height + 2 * kMarkerMargin;
    marker.foreColor = kMarkerColour;
    marker.thickness = kMarkerThickness;
    marker.visible = true;
}

// Moves the beads of the next step (a times-table line moves none), marks its rod and shows
// its rhyme; on the tick after the last step, the result.
void playNextStep(WindowContext& window) {
    TrainingState& state = window.state;
    const std::vector<BeadStep> steps = demonstratedSteps(state);
    const auto shown = static_cast<std::size_t>(state.demonstrationStep);
    if (shown >= steps.size()) {
        finishDemonstration(window, steps.size());
        return;
    }
    const BeadStep& step = steps[shown];
    ++state.demonstrationStep;
    showOnBoardRow(window, kWorkingRow, step.rowValue);
    markRods(window, step.place, step.framedRods);
    window.form.Label40.setCaption(step.rhyme);
    if (step.movesBeads && soundCuesOn(window)) playClip(window, kBeadClickClip);
}

// True while a demonstration has steps or its end still to show, running or paused.
bool demonstrationUnderWay(const WindowContext& window) {
    const TrainingState& state = window.state;
    return window.form.Label40.visible &&
           static_cast<std::size_t>(state.demonstrationStep) <= demonstratedSteps(state).size();
}

// The rhyme without the note that the demonstration is paused.
std::string withoutPausedNote(const std::string& caption) {
    const std::string note = kPausedNote;
    if (caption.size() >= note.size() && caption.ends_with(note)) {
        return caption.substr(0, caption.size() - note.size());
    }
    return caption;
}

// Plays the current question from its first step at the pace and with the way of finding
// quotient digits the learner in the name box chose.
void playCurrentQuestion(WindowContext& window) {
    const std::string& learner = window.form.Text1.caption();
    window.state.demonstrationTriesQuotient = learnerTriesQuotient(window, learner);
    showDemonstratedQuestion(window);
    window.state.demonstrationStep = 0;
    window.form.Timer4.startTimer(learnersPaceMilliseconds(window, learner));
}

}  // namespace

bool startDemonstration(WindowContext& window) {
    stopDemonstration(window);
    if (!takeLastRunQuestion(window.state) && !drawSumQuestion(window)) return false;
    playCurrentQuestion(window);
    return true;
}

bool demonstrateQuestion(WindowContext& window, const std::string& sign, std::int32_t first,
                         std::int32_t second) {
    if (!boardWorks(sign, first, second)) return false;
    stopDemonstration(window);
    TrainingState& state = window.state;
    state.currentOperator = sign;
    state.operandA = first;
    state.operandB = second;
    state.operandC = resultOf(sign, first, second);
    playCurrentQuestion(window);
    return true;
}

void Timer4_Timer(WindowContext& window) { playNextStep(window); }

void Label40_Click(WindowContext& window) {
    if (!demonstrationUnderWay(window)) return;
    Element& rhyme = window.form.Label40;
    if (window.form.Timer4.enabled) {
        window.form.Timer4.enabled = false;
        rhyme.setCaption(rhyme.caption() + kPausedNote);
    } else {
        rhyme.setCaption(withoutPausedNote(rhyme.caption()));
        window.form.Timer4.startTimer(window.form.Timer4.interval);
    }
}

bool demonstrationPaused(const WindowContext& window) {
    return !window.form.Timer4.enabled && demonstrationUnderWay(window);
}

bool stepPausedDemonstration(WindowContext& window, const std::string& key) {
    if ((key != kStepKey && key != kNextKey) || !demonstrationPaused(window)) return false;
    playNextStep(window);
    if (demonstrationUnderWay(window)) {
        window.form.Label40.setCaption(window.form.Label40.caption() + kPausedNote);
    }
    return true;
}

bool chooseDemonstrationPace(WindowContext& window, const std::string& item) {
    if (!keepPace(window, window.form.Text1.caption(), item)) return false;
    window.form.Timer4.interval = paceMilliseconds(item);
    return true;
}

void stopDemonstration(WindowContext& window) {
    window.form.Timer4.enabled = false;
    window.form.Label40.visible = false;
    window.form.demonstrationMarker.visible = false;
}

bool endsDemonstration(const std::string& name) {
    if (name.rfind(kKeypadPrefix, 0) == 0 || name.rfind(kRodPrefix, 0) == 0) return true;
    for (const char* ending : kEndingElements) {
        if (name == ending) return true;
    }
    return false;
}
