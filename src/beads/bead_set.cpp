#include "beads/bead_set.h"

#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "beads/bead_feedback.h"
#include "beads/bead_question.h"
#include "beads/bead_room.h"
#include "beads/board_steps.h"
#include "beads/move_judgement.h"
#include "beads/rhyme_groups.h"
#include "demonstration/demonstration_settings.h"
#include "drill/room_lines.h"
#include "engine/text_number.h"
#include "history/stored_moment.h"
#include "sound/play_clip.h"

namespace {

constexpr char kStart[] = "开  始";
constexpr char kStop[] = "停  止";
constexpr char kBeadKind[] = "拨珠练习";
constexpr char kStepDone[] = " √";
constexpr char kQuestionNotKept[] =
    "这一题的练习记录没能保存（磁盘可能已满），已有的学习记录没有改变。";
constexpr std::int16_t kWrongClip = 104;
constexpr std::int16_t kBeadClip = 112;
constexpr Rgb kHintColour{192, 0, 0};
constexpr Rgb kRhymeColour{0, 0, 128};

// The chosen item of a list as a whole number.
int chosenNumber(const Element& list) { return static_cast<int>(integerValueOf(list.caption())); }

// The question on the board.
BeadQuestion questionOf(const BeadDrillState& beads) {
    return beadQuestion(beads.first, beads.subtract, beads.second, beads.products);
}

// How the set finds its quotient digits.
QuotientTrial trialOf(const BeadDrillState& beads) {
    return beads.directQuotient ? QuotientTrial::Direct : QuotientTrial::Estimate;
}

// Shows a rhyme in the hint line: red as a hint, blue with "√" once its step is done.
void showRhyme(DrillForm& room, const std::string& rhyme, bool done) {
    room.Label3.foreColor = done ? kRhymeColour : kHintColour;
    room.Label3.setCaption(done ? rhyme + kStepDone : rhyme);
}

// Stores the question just finished or stopped in the learner's history.
void storeQuestion(WindowContext& window, bool stopped) {
    const DrillState& drill = window.drillState;
    const BeadDrillState& beads = drill.beads;
    const BeadQuestion question = questionOf(beads);
    StoredDrill stored;
    stored.learner = drill.learner;
    std::tie(stored.date, stored.time) = sortableMoment(beads.questionStart);
    stored.kind = kBeadKind;
    stored.digits = drill.chainDigits;
    stored.terms = 2;
    stored.chain = questionText(question);
    stored.answer = stopped ? "" : answerText(question);
    stored.right = !stopped;
    stored.stopped = stopped;
    stored.secondsUsed = secondsBetween(beads.questionStart, window.services.clock.now());
    stored.rhymeGroup = rhymeGroupName(beads.group);
    stored.wrongClicks = beads.wrongClicks;
    if (window.services.history.storeDrill(stored) == StoreOutcome::Failed) {
        window.services.dialogs.inform(kQuestionNotKept);
    }
}

// Draws the next question of the set (a division leaving a remainder in the set's later half)
// and puts its first term on the board, or nothing for a multiplication.
void startQuestion(WindowContext& window) {
    DrillState& drill = window.drillState;
    BeadDrillState& beads = drill.beads;
    DrillForm& room = window.drill;
    ++drill.chainNumber;
    const bool remainder = drill.chainNumber > (drill.chainsInSet + 1) / 2;
    const BeadQuestion question =
        drawBeadQuestion(window.services.random, beads.group, drill.chainDigits, remainder);
    beads.first = question.first;
    beads.subtract = question.subtract;
    beads.second = question.second;
    beads.products = question.products;
    beads.step = 0;
    beads.wrongClicks = 0;
    beads.questionStart = window.services.clock.now();
    releaseFinishedBoard(room);
    clearBeadMarks(room);
    room.Label3.setCaption("");
    room.Label6.setCaption(questionCaption(question));
    showBoard(room, boardShowing(startingValue(question)));
    const std::vector<BoardStep> steps = boardSteps(question, trialOf(beads));
    chooseRod(window, steps.empty() ? 0 : steps.front().place);
}

// Leaves the set: "开  始" can start a new one and the board is free to play with.
void endSet(WindowContext& window) {
    window.drillState.setRunning = false;
    clearBeadMarks(window.drill);
    window.drill.Command1.setCaption(kStart);
    window.drill.moveFocus(window.drill.Command1);
}

// The board shows the answer: the question's line and the board held with its "√" until the
// child asks for the next question, or the set's end.
void finishQuestion(WindowContext& window) {
    DrillState& drill = window.drillState;
    BeadDrillState& beads = drill.beads;
    DrillForm& room = window.drill;
    const BeadQuestion question = questionOf(beads);
    writeLine(room, "第" + std::to_string(drill.chainNumber) + "题 " + questionText(question) +
                        "=" + answerText(question) + " 错" + std::to_string(beads.wrongClicks) +
                        "次 √");
    beads.wrongInSet += beads.wrongClicks;
    storeQuestion(window, false);
    holdFinishedBoard(room, drill.chainNumber < drill.chainsInSet);
    if (drill.chainNumber < drill.chainsInSet) return;
    writeSetSummary(window, "错" + std::to_string(beads.wrongInSet) + "次");
    endSet(window);
}

// Judges a move from the board shown to `after` against the step being worked.
void judgeBoardMove(WindowContext& window, const BeadBoard& after) {
    BeadDrillState& beads = window.drillState.beads;
    DrillForm& room = window.drill;
    const std::vector<BoardStep> steps = boardSteps(questionOf(beads), trialOf(beads));
    if (beads.step >= static_cast<int>(steps.size())) return;
    const BoardStep& step = steps[static_cast<std::size_t>(beads.step)];
    switch (judgeMove(shownBoard(room), after, step.target)) {
        case MoveVerdict::Wrong:
            ++beads.wrongClicks;
            showRhyme(room, step.rhyme, false);
            markStepBeads(room, shownBoard(room), step.target);
            playClip(window, kWrongClip);
            return;
        case MoveVerdict::Right:
            showBoard(room, after);
            keepMarksUntilMoved(room, after, step.target);
            return;
        case MoveVerdict::StepComplete:
            showBoard(room, after);
            keepMarksUntilMoved(room, after, step.target);
            showRhyme(room, step.rhyme, true);
            playClip(window, kBeadClip);
            ++beads.step;
            break;
    }
    if (beads.step == static_cast<int>(steps.size())) finishQuestion(window);
}

// Which rod and bead a bead element is; false for any other element.
bool locateBead(const DrillForm& room, const Element& element, int& rod, int& bead) {
    for (rod = 0; rod < kBoardRods; ++rod) {
        const auto place = static_cast<std::size_t>(rod);
        if (&element == &room.Upper[place]) {
            bead = kUpperBead;
            return true;
        }
        for (bead = 1; bead <= kLowerBeads; ++bead) {
            if (&element == &room.Lower[static_cast<std::size_t>(bead - 1)][place]) return true;
        }
    }
    return false;
}

}  // namespace

void beadDrill_Command1_Click(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    if (drill.setRunning) {
        stopBeadSet(window);
        return;
    }
    drill.setRunning = true;
    drill.chainsInSet = chosenNumber(room.Combo5);
    drill.chainNumber = 0;
    drill.chainDigits = chosenNumber(room.Combo2);
    drill.setStart = window.services.clock.now();
    drill.beads.group = room.Combo6.listIndex < 0 ? kMixedAddSubtract : room.Combo6.listIndex;
    drill.beads.wrongInSet = 0;
    drill.beads.directQuotient = !learnerTriesQuotient(window, drill.learner);
    room.Command1.setCaption(kStop);
    startQuestion(window);
}

void stopBeadSet(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (!drill.setRunning) return;
    if (finishedBoardHeld(window.drill)) {
        releaseFinishedBoard(window.drill);
        endSet(window);
        return;
    }
    writeLine(window.drill, "第" + std::to_string(drill.chainNumber) + "题 中止");
    storeQuestion(window, true);
    endSet(window);
}

void drill_BeadNext_Click(WindowContext& window) {
    if (beadSetRunning(window) && finishedBoardHeld(window.drill)) startQuestion(window);
}

void beadClicked(WindowContext& window, const Element& element) {
    int rod = 0;
    int bead = 0;
    if (!locateBead(window.drill, element, rod, bead)) return;
    moveBeads(window, rod, clickBead(shownBoard(window.drill), rod, bead));
}

void moveBeads(WindowContext& window, int rod, const BeadBoard& after) {
    if (window.drillState.kind != DrillKind::Beads) return;
    DrillForm& room = window.drill;
    chooseRod(window, rod);
    if (!window.drillState.setRunning) {
        releaseFinishedBoard(room);
        showBoard(room, after);
        return;
    }
    judgeBoardMove(window, after);
}

bool beadSetRunning(const WindowContext& window) {
    const DrillState& drill = window.drillState;
    return drill.kind == DrillKind::Beads && drill.setRunning && window.drill.drill.visible;
}
