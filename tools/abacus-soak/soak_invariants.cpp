#include "soak_invariants.h"

#include <cstdint>

#include "engine/text_number.h"
#include "levels/level_table.h"
#include "replay_parsing.h"
#include "soak_bead_room.h"

namespace {

constexpr std::int16_t kRunInProgress = 0;
constexpr char kExam[] = "0";
constexpr char kRunOn[] = "1";
constexpr int kKeys = 10;

// "NAME shows 'X', expected 'Y'" when a counter label does not show its counter.
std::optional<std::string> counterShown(const Element& label, std::int16_t counter,
                                        const char* counterName) {
    if (label.caption() == plainNumber(counter)) return std::nullopt;
    return label.name + " shows '" + label.caption() + "' but " + counterName + " is " +
           plainNumber(counter);
}

// The counters of a run in progress, and the labels that show them.
std::optional<std::string> checkRunCounters(const WindowContext& window) {
    const TrainingState& s = window.state;
    const MainForm& form = window.form;
    if (s.remainingCount != s.questionTotal - s.answeredCount) {
        return "remainingCount " + plainNumber(s.remainingCount) + " is not questionTotal " +
               plainNumber(s.questionTotal) + " - answeredCount " + plainNumber(s.answeredCount);
    }
    // The run ends as its last question closes, so one question is always left during it.
    if (s.remainingCount < 1) return "a run is in progress with no question left";
    if (s.examMode == kExam && s.rightCount + s.wrongCount != s.answeredCount) {
        return "exam: rightCount " + plainNumber(s.rightCount) + " + wrongCount " +
               plainNumber(s.wrongCount) + " is not answeredCount " + plainNumber(s.answeredCount);
    }
    // Practice closes a question only once it is answered right; wrong tries are retried.
    if (s.examMode != kExam && s.rightCount != s.answeredCount) {
        return "practice: rightCount " + plainNumber(s.rightCount) + " is not answeredCount " +
               plainNumber(s.answeredCount);
    }
    for (const auto& shown : {counterShown(form.Label4, s.questionTotal, "questionTotal"),
                              counterShown(form.Label32, s.answeredCount, "answeredCount"),
                              counterShown(form.Label25, s.remainingCount, "remainingCount"),
                              counterShown(form.Label34, s.rightCount, "rightCount"),
                              counterShown(form.Label24, s.wrongCount, "wrongCount"),
                              counterShown(form.Label26, s.score, "score")}) {
        if (shown) return shown;
    }
    return std::nullopt;
}

// The keys show their digits exactly while a run is in progress, and a run is on exactly
// then.
std::optional<std::string> checkKeypad(const WindowContext& window) {
    const bool running = window.state.appState == kRunInProgress;
    if (running != (window.state.runActive == kRunOn)) {
        return "appState " + plainNumber(window.state.appState) + " with runActive '" +
               window.state.runActive + "'";
    }
    bool digits = true;
    for (int key = 0; key < kKeys; ++key) {
        digits = digits && window.form.Command1[key].caption() == plainNumber(key);
    }
    if (digits == running) return std::nullopt;
    return running ? "a run is in progress but the keys do not show their digits"
                   : "no run is in progress but the keys show their digits";
}

// The practice room: a set runs exactly while its chain has a phase, the flash timer runs only
// while a chain is flashed, the answer box is open only while an answer is awaited (the bead
// drill has no chain, no timer and no answer box), and the chain count stays within the set.
std::optional<std::string> checkPracticeRoom(const WindowContext& window) {
    const DrillState& drill = window.drillState;
    const DrillForm& room = window.drill;
    if (drill.kind == DrillKind::Beads) {
        if (drill.phase != ChainPhase::Idle || room.Timer1.enabled || room.Text1.enabled) {
            return "the bead drill has a chain phase, the flash timer or the answer box on";
        }
    } else if (drill.setRunning != (drill.phase != ChainPhase::Idle)) {
        return "the room's set and its chain's phase disagree";
    }
    const bool flashing = drill.setRunning && drill.phase != ChainPhase::Answering &&
                          drill.phase != ChainPhase::Paused;
    if (drill.kind != DrillKind::Beads && room.Timer1.enabled != flashing) {
        return "the flash timer runs outside a flashed chain";
    }
    const bool levelTest = drill.levelTest.running;
    if (!levelTest && !drill.levelRedo.running &&
        room.Text1.enabled != (drill.phase == ChainPhase::Answering)) {
        return "the room's answer box is open while no answer is awaited, or shut while one is";
    }
    if (drill.setRunning && (drill.chainNumber < 1 || drill.chainNumber > drill.chainsInSet)) {
        return "chain " + std::to_string(drill.chainNumber) + " of a set of " +
               std::to_string(drill.chainsInSet);
    }
    const bool paused = drill.phase == ChainPhase::Paused || drill.levelRedo.paused;
    if (paused != (room.Command2.caption() == kNextButton)) {
        return "\"下一题\" shows outside the pause after an answer, or the pause lacks it";
    }
    if (paused && (!room.Label8.visible || room.Label1.caption().find('=') == std::string::npos)) {
        return "the pause after an answer lacks the chain with its total or its mark";
    }
    if (drill.setRunning && !room.drill.visible) return "a set runs in a closed room";
    if (levelTest && (drill.setRunning || !room.drill.visible || !room.Text1.enabled)) {
        return "a level test runs beside a set, in a closed room or with its answer box shut";
    }
    return std::nullopt;
}

// A level test in progress asks a question of one of its items within its time, and the path
// shows a star for every level.
std::optional<std::string> checkLevelTest(const WindowContext& window) {
    const LevelTestState& test = window.drillState.levelTest;
    const DrillForm& room = window.drill;
    for (const Element& step : room.Label5) {
        if (step.caption() != "★" && step.caption() != "☆") {
            return step.name + " shows '" + step.caption() + "'";
        }
    }
    if (!test.running) return std::nullopt;
    if (test.level < 0 || test.level >= kLevelCount || test.item < 0 ||
        test.item >= levelItemCount(test.level)) {
        return "level test at level " + std::to_string(test.level) + " item " +
               std::to_string(test.item);
    }
    if (test.question < 0 || test.question >= kQuestionsPerItem || test.rightInItem < 0 ||
        test.rightInItem > test.question) {
        return "level test at question " + std::to_string(test.question) + " with " +
               std::to_string(test.rightInItem) + " right";
    }
    if (test.secondsLeft < 1 || test.secondsLeft > test.minutesPerItem * 60) {
        return "level test with " + std::to_string(test.secondsLeft) + " seconds left";
    }
    if (!room.Timer2.enabled || room.List2.items.empty()) {
        return "a level test runs without its clock or its question";
    }
    return std::nullopt;
}

}  // namespace

InvariantChecker::InvariantChecker(const WindowContext& window)
    : recordLines_(window.form.List1.items) {}

std::optional<std::string> InvariantChecker::check(const WindowContext& window, bool mayEmptyList) {
    const TrainingState& s = window.state;
    if (window.closed) {
        if (window.form.Form1_main.visible) return "the window closed but is still shown";
        return std::nullopt;
    }
    if (auto breach = checkRecordList(window.form.List1, mayEmptyList)) return breach;
    if (s.score < 0 || s.score > 100) return "score " + plainNumber(s.score) + " outside 0..100";
    if (auto breach = checkKeypad(window)) return breach;
    if (auto breach = checkPracticeRoom(window)) return breach;
    if (auto breach = checkLevelTest(window)) return breach;
    if (s.appState == kRunInProgress) {
        if (auto breach = checkRunCounters(window)) return breach;
    }
    if (auto breach = checkBeadBoard(window)) return breach;
    return checkElements(window);
}

std::optional<std::string> InvariantChecker::checkRecordList(const Element& list,
                                                             bool mayEmptyList) {
    const std::vector<std::string>& lines = list.items;
    if (lines.empty() && mayEmptyList) {
        recordLines_.clear();
        return std::nullopt;
    }
    if (lines.size() < recordLines_.size()) {
        return "the record list shrank from " + std::to_string(recordLines_.size()) + " to " +
               std::to_string(lines.size()) + " lines";
    }
    for (std::size_t i = 0; i < recordLines_.size(); ++i) {
        if (lines[i] != recordLines_[i]) {
            return "record line " + std::to_string(i + 1) + " changed from '" + recordLines_[i] +
                   "' to '" + lines[i] + "'";
        }
    }
    for (std::size_t i = recordLines_.size(); i < lines.size(); ++i) {
        if (!isValidUtf8(lines[i])) {
            return "record line " + std::to_string(i + 1) + " is not valid UTF-8";
        }
        recordLines_.push_back(lines[i]);
    }
    return std::nullopt;
}

std::optional<std::string> InvariantChecker::checkElements(const WindowContext& window) {
    std::size_t index = 0;
    const auto checkOne = [&](const Element& element) -> std::optional<std::string> {
        if (element.width < 0 || element.height < 0) {
            return element.name + " has width " + std::to_string(element.width) + " and height " +
                   std::to_string(element.height);
        }
        if (index >= checkedTexts_.size()) checkedTexts_.emplace_back();
        std::string& checked = checkedTexts_[index++];
        if (element.caption() != checked) {
            if (!isValidUtf8(element.caption())) {
                return element.name + " has a caption that is not valid UTF-8";
            }
            checked = element.caption();
        }
        return std::nullopt;
    };
    for (const Element* element : window.form.elements()) {
        if (auto breach = checkOne(*element)) return breach;
    }
    for (const Element* element : window.help.elements()) {
        if (auto breach = checkOne(*element)) return breach;
    }
    for (const Element* element : window.drill.elements()) {
        if (auto breach = checkOne(*element)) return breach;
    }
    return std::nullopt;
}
