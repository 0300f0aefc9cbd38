#include "drill/drill_set.h"

#include <chrono>
#include <optional>
#include <string>
#include <tuple>

#include "beads/bead_set.h"
#include "drill/practice_room.h"
#include "engine/text_number.h"
#include "flash/flash_chain.h"
#include "history/stored_moment.h"
#include "levels/level_test.h"
#include "listening/drill/listening_set.h"
#include "listening/drill/listening_settings.h"
#include "sound/play_clip.h"

namespace {

constexpr char kStart[] = "开  始";
constexpr char kStop[] = "停  止";
constexpr char kReady[] = "预备";
constexpr char kAskAnswer[] = "？";
constexpr char kRightVerdict[] = "对了！";
constexpr char kDigitsOnlyHint[] = "请只填数字，例如 380";
constexpr char kEmptyAnswerHint[] = "请先填上答案";
constexpr char kTooLongHint[] = "答案最多九位数字";
constexpr char kFlashKind[] = "闪电心算";
constexpr char kListeningKind[] = "听心算";
constexpr char kDrillNotKept[] =
    "这一题的练习记录没能保存（磁盘可能已满），已有的学习记录没有改变。";
constexpr std::int16_t kNumberClip = 102;
constexpr std::int16_t kWrongClip = 104;
constexpr std::int16_t kRightClip = 105;
constexpr std::size_t kLongestAnswer = 9;

// The chosen item of a list as a number ("1.0" gives 1.0).
double chosenNumber(const Element& list) { return std::stod("0" + list.caption()); }

int chosenDigits(const WindowContext& window) {
    return static_cast<int>(chosenNumber(window.drill.Combo2));
}
int chosenTerms(const WindowContext& window) {
    return static_cast<int>(chosenNumber(window.drill.Combo3));
}
bool mixedChosen(const WindowContext& window) { return window.drill.Command4.caption() == kMixed; }
bool beadsChosen(const WindowContext& window) {
    return window.drill.Command5.caption() == kAsBeads;
}

// Hides the number, the beads and the minus before them.
void blankDisplay(DrillForm& room) {
    room.Label1.setCaption("");
    room.Label7.visible = false;
    for (Element& rod : room.Picture) rod.visible = false;
}

// Shows one term: as digits with its sign, or as beads on the rods with a red minus.
void showTerm(WindowContext& window, std::int32_t term) {
    DrillForm& room = window.drill;
    blankDisplay(room);
    if (!beadsChosen(window)) {
        room.Label1.setCaption(plainNumber(term));
        return;
    }
    const TrainingState& state = window.state;
    const std::string family = state.beadLetter == "b" || state.beadLetter == "B" ? "B" : "A";
    std::int32_t rest = term < 0 ? -term : term;
    for (int place = 4; place >= 0; --place) {
        Element& rod = room.Picture[static_cast<std::size_t>(place)];
        rod.picture = family + state.beadStyle1 + std::to_string(rest % 10);
        rod.visible = true;
        rest /= 10;
    }
    room.Label7.visible = term < 0;
}

// Shows "预备" and waits the ready span before the first number.
void presentReady(WindowContext& window) {
    DrillForm& room = window.drill;
    blankDisplay(room);
    room.Label1.setCaption(kReady);
    room.Text1.enabled = false;
    room.Command2.enabled = false;
    room.Command3.enabled = false;
    window.drillState.phase = ChainPhase::Ready;
    window.drillState.shownTerm = -1;
    room.Timer1.startTimer(kReadyMilliseconds);
}

// Draws the next chain of the set and starts flashing it.
void startChain(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    ++drill.chainNumber;
    drill.terms = drawFlashChain(window.services.random, chosenDigits(window), chosenTerms(window),
                                 mixedChosen(window));
    drill.seenAgain = false;
    drill.chainStart = window.services.clock.now();
    drill.chainDigits = chosenDigits(window);
    drill.chainSecondsPerNumber = room.Combo4.caption();
    drill.chainMix = room.Command4.caption();
    drill.chainView = room.Command5.caption();
    room.Text1.setCaption("");
    room.Label9.setCaption("");
    presentReady(window);
}

}  // namespace

int periodMilliseconds(const WindowContext& window) {
    return static_cast<int>(roundHalfEven(chosenNumber(window.drill.Combo4) * 1000));
}

void askForAnswer(WindowContext& window) {
    DrillForm& room = window.drill;
    blankDisplay(room);
    room.Label1.setCaption(kAskAnswer);
    room.Timer1.enabled = false;
    window.drillState.phase = ChainPhase::Answering;
    room.Text1.enabled = true;
    room.Command2.enabled = true;
    room.Command3.enabled = !window.drillState.seenAgain;
    room.moveFocus(room.Text1);
}

namespace {

// Appends a line to the set's list, on view.
void writeLine(DrillForm& room, const std::string& line) {
    room.List1.addItem(line);
    room.List1.showLinesFrom(room.List1.items.size() - 1);
}

// Stores the chain just answered or stopped in the learner's history.
void storeChain(WindowContext& window, const std::string& answer, bool right, bool stopped) {
    const DrillState& drill = window.drillState;
    StoredDrill stored;
    stored.learner = drill.learner;
    std::tie(stored.date, stored.time) = sortableMoment(drill.chainStart);
    stored.kind = drill.kind == DrillKind::Listening ? kListeningKind : kFlashKind;
    stored.digits = drill.chainDigits;
    stored.terms = static_cast<int>(drill.terms.size());
    stored.secondsPerNumber = drill.chainSecondsPerNumber;
    stored.mix = drill.chainMix;
    stored.view = drill.chainView;
    stored.chain = chainText(drill.terms);
    stored.answer = answer;
    stored.right = right;
    stored.stopped = stopped;
    stored.secondsUsed = secondsBetween(drill.chainStart, window.services.clock.now());
    if (window.services.history.storeDrill(stored) == StoreOutcome::Failed) {
        window.services.dialogs.inform(kDrillNotKept);
    }
}

// Leaves the set: the timer stops, the answer box closes and "开  始" can start a new one.
void endSet(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    drill.setRunning = false;
    drill.phase = ChainPhase::Idle;
    room.Timer1.enabled = false;
    room.Text1.enabled = false;
    room.Command2.enabled = false;
    room.Command3.enabled = false;
    room.Command1.setCaption(kStart);
}

// The typed answer without blanks, when it is digits only.
std::optional<std::string> typedDigits(const std::string& text, const char*& hint) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') {
            hint = kDigitsOnlyHint;
            return std::nullopt;
        }
        digits += c;
    }
    if (digits.empty()) {
        hint = kEmptyAnswerHint;
        return std::nullopt;
    }
    const auto first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    if (digits.size() > kLongestAnswer) {
        hint = kTooLongHint;
        return std::nullopt;
    }
    return digits;
}

}  // namespace

int secondsBetween(const LocalDateTime& earlier, const LocalDateTime& later) {
    using namespace std::chrono;
    const auto secondsOf = [](const LocalDateTime& moment) {
        const sys_days day{year{moment.year} / month{static_cast<unsigned>(moment.month)} /
                           std::chrono::day{static_cast<unsigned>(moment.day)}};
        return day.time_since_epoch().count() * 86400LL + moment.hour * 3600LL +
               moment.minute * 60LL + moment.second;
    };
    const long long seconds = secondsOf(later) - secondsOf(earlier);
    return seconds < 0 ? 0 : static_cast<int>(seconds);
}

void drill_Command1_Click(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (drill.kind == DrillKind::Beads) {
        beadDrill_Command1_Click(window);
        return;
    }
    if (drill.kind == DrillKind::Levels) {
        levelStartButton(window);
        return;
    }
    if (drill.setRunning) {
        stopChain(window);
        return;
    }
    if (drill.kind == DrillKind::Listening && !listeningCanBeHeard(window)) return;
    if (drill.kind == DrillKind::Listening) fitPaceToReadings(window);
    window.services.random.randomize();
    drill.setRunning = true;
    drill.chainsInSet = static_cast<int>(chosenNumber(window.drill.Combo5));
    drill.chainNumber = 0;
    drill.rightInSet = 0;
    drill.setStart = window.services.clock.now();
    window.drill.Command1.setCaption(kStop);
    window.drill.Label2.setCaption("");
    startChain(window);
}

void drill_Timer1_Timer(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    if (drill.kind == DrillKind::Listening) {
        readNextText(window);
        return;
    }
    const FlashSpans spans = flashSpans(periodMilliseconds(window));
    const bool showNext = drill.phase == ChainPhase::Ready || drill.phase == ChainPhase::Gap;
    if (showNext && drill.shownTerm + 1 < static_cast<int>(drill.terms.size())) {
        ++drill.shownTerm;
        drill.phase = ChainPhase::Showing;
        showTerm(window, drill.terms[static_cast<std::size_t>(drill.shownTerm)]);
        room.Timer1.startTimer(spans.shownMilliseconds);
        if (soundCuesOn(window)) playClip(window, kNumberClip);
    } else if (drill.phase == ChainPhase::Showing) {
        drill.phase = ChainPhase::Gap;
        blankDisplay(room);
        room.Timer1.startTimer(spans.blankMilliseconds);
    } else if (showNext) {
        askForAnswer(window);
    } else {
        room.Timer1.enabled = false;
    }
}

void drill_Command2_Click(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (drill.kind == DrillKind::Levels) return levelAnswerButton(window);
    DrillForm& room = window.drill;
    if (drill.phase != ChainPhase::Answering) return;
    const char* hint = "";
    const std::optional<std::string> answer = typedDigits(room.Text1.caption(), hint);
    if (!answer) {
        room.Label9.setCaption(hint);
        room.moveFocus(room.Text1);
        return;
    }
    const std::string total = plainNumber(chainTotal(drill.terms));
    const bool right = *answer == total;
    room.Label9.setCaption("");
    room.Label2.setCaption(right ? kRightVerdict : "答案是 " + total);
    writeLine(room, "第" + std::to_string(drill.chainNumber) + "题 " + chainText(drill.terms) +
                        "=" + total + " 答" + *answer + (right ? " √" : " ×"));
    if (right) ++drill.rightInSet;
    storeChain(window, *answer, right, false);
    playClip(window, right ? kRightClip : kWrongClip);
    if (drill.chainNumber < drill.chainsInSet) {
        startChain(window);
        return;
    }
    writeLine(room,
              "共" + std::to_string(drill.chainNumber) + "题 对" +
                  std::to_string(drill.rightInSet) + "题 用时" +
                  std::to_string(secondsBetween(drill.setStart, window.services.clock.now())) +
                  "秒");
    endSet(window);
    room.moveFocus(room.Command1);
}

void drill_Command3_Click(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (drill.phase != ChainPhase::Answering || drill.seenAgain) return;
    drill.seenAgain = true;
    presentReady(window);
}

void drill_Command4_Click(WindowContext& window) {
    stopChain(window);
    Element& button = window.drill.Command4;
    button.setCaption(button.caption() == kMixed ? kAdditionOnly : kMixed);
    drillSettingChanged(window);
}

void drill_Command5_Click(WindowContext& window) {
    stopChain(window);
    Element& button = window.drill.Command5;
    button.setCaption(button.caption() == kAsBeads ? kAsDigits : kAsBeads);
    drillSettingChanged(window);
}

void drillSettingChanged(WindowContext& window) {
    stopChain(window);
    keepRoomSettings(window);
}

void stopChain(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (!drill.setRunning) return;
    if (drill.kind == DrillKind::Beads) {
        stopBeadSet(window);
        return;
    }
    writeLine(window.drill, "第" + std::to_string(drill.chainNumber) + "题 中止");
    storeChain(window, "", false, true);
    blankDisplay(window.drill);
    endSet(window);
}
