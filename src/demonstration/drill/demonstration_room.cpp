#include "demonstration/drill/demonstration_room.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "beads/bead_feedback.h"
#include "beads/bead_room.h"
#include "demonstration/demonstration_settings.h"
#include "demonstration/drill/rhyme_tables.h"
#include "demonstration/drill/typed_question.h"
#include "demonstration/quotient_setting.h"
#include "sound/play_clip.h"

namespace {

constexpr char kTitle[] = "练习室 · 演示";
constexpr char kStart[] = "开  始";
constexpr char kStop[] = "停  止";
constexpr char kEndNote[] = "演示结束：";
constexpr char kEquals[] = "=";
constexpr char kPausedNote[] = "（暂停）";
constexpr char kRhymeTooltip[] = "单击暂停或继续；暂停时按空格键或→走一步";
constexpr char kStepKey[] = "space";
constexpr char kNextKey[] = "Right";
constexpr char kEnterKey[] = "Return";
constexpr char kPadEnterKey[] = "KP_Enter";
constexpr std::int16_t kBeadClickClip = 112;
constexpr Rgb kRhymeColour{0, 0, 128};

// The room's elements that other drills use and 演示 does not.
std::vector<Element*> sharedElementsUnused(DrillForm& room) {
    return {&room.Label10, &room.Combo2, &room.Label13, &room.Combo5, &room.List1};
}

// The question played, read again from its text.
TypedQuestion playedQuestion(const RoomDemonstrationState& demonstration) {
    return readTypedQuestion(demonstration.question, kRoomRods);
}

// The steps of the question played; none when there is no question.
std::vector<BeadStep> playedSteps(const RoomDemonstrationState& demonstration) {
    const TypedQuestion question = playedQuestion(demonstration);
    if (!question.refusal.empty()) return {};
    const QuotientTrial trial =
        demonstration.directQuotient ? QuotientTrial::Direct : QuotientTrial::Estimate;
    return typedQuestionSteps(question, trial, kRoomRods);
}

// Takes the marks and the frame off the board.
void clearStepMarks(DrillForm& room) {
    clearBeadMarks(room);
    room.RodFrame.visible = false;
}

// The end: "演示结束：1634÷38=43" in the rhyme line, the board left on the answer.
void finishDemonstration(WindowContext& window) {
    DrillForm& room = window.drill;
    RoomDemonstrationState& demonstration = window.drillState.demonstration;
    const TypedQuestion question = playedQuestion(demonstration);
    demonstration.underWay = false;
    room.DemoTimer.enabled = false;
    clearStepMarks(room);
    room.Label3.setCaption(kEndNote + typedQuestionText(question) + kEquals +
                           typedAnswerText(question));
    room.Command1.setCaption(kStart);
}

// Moves the beads of the next step, frames its rods, marks the beads it moved and shows its
// rhyme; on the tick after the last step, the end.
void playNextStep(WindowContext& window) {
    DrillForm& room = window.drill;
    RoomDemonstrationState& demonstration = window.drillState.demonstration;
    const std::vector<BeadStep> steps = playedSteps(demonstration);
    const auto shown = static_cast<std::size_t>(demonstration.shown);
    if (shown >= steps.size()) {
        finishDemonstration(window);
        return;
    }
    const BeadStep& step = steps[shown];
    const BeadBoard before = boardShowing(
        shown == 0 ? typedStartingRow(playedQuestion(demonstration)) : steps[shown - 1].rowValue);
    const BeadBoard after = boardShowing(step.rowValue);
    ++demonstration.shown;
    clearBeadMarks(room);
    showBoard(room, after);
    if (step.movesBeads) markStepBeads(room, before, after);
    room.frameRods(step.place, step.framedRods);
    room.RodFrame.visible = true;
    room.Label3.setCaption(step.rhyme);
    if (step.movesBeads && soundCuesOn(window)) playClip(window, kBeadClickClip);
}

// Plays `text`, a question the board can play, from its first step at the learner's pace.
void playQuestion(WindowContext& window, const std::string& text) {
    stopRoomDemonstration(window);
    DrillForm& room = window.drill;
    RoomDemonstrationState& demonstration = window.drillState.demonstration;
    const std::string& learner = window.drillState.learner;
    demonstration.question = text;
    demonstration.directQuotient = !learnerTriesQuotient(window, learner);
    demonstration.shown = 0;
    demonstration.underWay = true;
    const TypedQuestion question = playedQuestion(demonstration);
    room.Label6.setCaption(typedQuestionCaption(question));
    room.Label3.foreColor = kRhymeColour;
    room.Label3.setCaption("");
    showBoard(room, boardShowing(typedStartingRow(question)));
    room.DemoTimer.startTimer(learnersPaceMilliseconds(window, learner));
    room.Command1.setCaption(kStop);
}

// The rhyme without the note that the demonstration is paused.
std::string withoutPausedNote(const std::string& caption) {
    const std::string note = kPausedNote;
    return caption.ends_with(note) ? caption.substr(0, caption.size() - note.size()) : caption;
}

// True while a demonstration is paused part of the way.
bool demonstrationPaused(const WindowContext& window) {
    return roomDemonstrationUnderWay(window) && !window.drill.DemoTimer.enabled;
}

// Puts a table's lines in its list.
void fillTable(Element& list, const std::vector<RhymeLine>& lines) {
    list.items.clear();
    for (const RhymeLine& line : lines) list.items.push_back(line.text);
}

// Selects the learner's pace in the pace list.
void showLearnersPace(WindowContext& window) {
    Element& list = window.drill.DemoPace;
    list.items = demonstrationPaceWords();
    const std::string word = learnersPaceWord(window, window.drillState.learner);
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == word) list.listIndex = static_cast<int>(i);
    }
    list.setCaption(word);
}

// Plays the line chosen in `list` of `lines`.
void playChosenLine(WindowContext& window, const Element& list,
                    const std::vector<RhymeLine>& lines) {
    if (window.drillState.kind != DrillKind::Demonstration || list.listIndex < 0 ||
        static_cast<std::size_t>(list.listIndex) >= lines.size()) {
        return;
    }
    const RhymeLine& line = lines[static_cast<std::size_t>(list.listIndex)];
    if (!line.question.empty()) playQuestion(window, line.question);
}

}  // namespace

void showDemonstrationRoom(WindowContext& window, bool on) {
    DrillForm& room = window.drill;
    for (Element* element : room.demonstrationElements()) element->visible = on;
    showQuotientSetting(window, on);
    if (!on) {
        stopRoomDemonstration(window);
        for (Element* element : sharedElementsUnused(room)) element->visible = true;
        room.Label3.tooltip.clear();
        return;
    }
    showBeadDrill(window, true);
    for (Element* element : sharedElementsUnused(room)) element->visible = false;
    room.Combo6.visible = false;
    room.KeyGuide.visible = false;
    room.RodFrame.visible = false;
    room.drill.setCaption(kTitle);
    room.Label3.tooltip = kRhymeTooltip;
    fillTable(room.AddRhymes, additionRhymes());
    fillTable(room.SubtractRhymes, subtractionRhymes());
    fillTable(room.TimesRhymes, timesTableLines());
    showLearnersPace(window);
    room.moveFocus(room.DemoQuestion);
}

void demonstrationStartOrStop(WindowContext& window) {
    if (roomDemonstrationUnderWay(window)) {
        stopRoomDemonstration(window);
        return;
    }
    const TypedQuestion question =
        readTypedQuestion(window.drill.DemoQuestion.caption(), kRoomRods);
    if (!question.refusal.empty()) {
        window.services.dialogs.inform(question.refusal);
        return;
    }
    playQuestion(window, typedQuestionText(question));
}

void drill_DemoTimer_Timer(WindowContext& window) {
    if (roomDemonstrationUnderWay(window)) playNextStep(window);
}

void drill_Label3_Click(WindowContext& window) {
    if (!roomDemonstrationUnderWay(window)) return;
    DrillForm& room = window.drill;
    if (room.DemoTimer.enabled) {
        room.DemoTimer.enabled = false;
        room.Label3.setCaption(room.Label3.caption() + kPausedNote);
    } else {
        room.Label3.setCaption(withoutPausedNote(room.Label3.caption()));
        room.DemoTimer.startTimer(room.DemoTimer.interval);
    }
}

void drill_DemoPace_Click(WindowContext& window) {
    const std::string& word = window.drill.DemoPace.caption();
    if (keepPace(window, window.drillState.learner, word)) {
        window.drill.DemoTimer.interval = paceMilliseconds(word);
    }
}

void drill_AddRhymes_Click(WindowContext& window) {
    playChosenLine(window, window.drill.AddRhymes, additionRhymes());
}

void drill_SubtractRhymes_Click(WindowContext& window) {
    playChosenLine(window, window.drill.SubtractRhymes, subtractionRhymes());
}

void drill_TimesRhymes_Click(WindowContext& window) {
    playChosenLine(window, window.drill.TimesRhymes, timesTableLines());
}

bool pressDemonstrationKey(WindowContext& window, const std::string& key) {
    if (key == kEnterKey || key == kPadEnterKey) {
        if (!roomDemonstrationUnderWay(window)) demonstrationStartOrStop(window);
        return true;
    }
    if ((key != kStepKey && key != kNextKey) || !demonstrationPaused(window)) return false;
    playNextStep(window);
    if (roomDemonstrationUnderWay(window)) {
        window.drill.Label3.setCaption(window.drill.Label3.caption() + kPausedNote);
    }
    return true;
}

bool roomDemonstrationUnderWay(const WindowContext& window) {
    return window.drillState.kind == DrillKind::Demonstration &&
           window.drillState.demonstration.underWay;
}

void stopRoomDemonstration(WindowContext& window) {
    RoomDemonstrationState& demonstration = window.drillState.demonstration;
    if (!demonstration.underWay) return;
    demonstration.underWay = false;
    window.drill.DemoTimer.enabled = false;
    clearStepMarks(window.drill);
    window.drill.Label3.setCaption("");
    window.drill.Command1.setCaption(kStart);
}
