#include "flash/chain_set.h"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

#include "drill/room_drill.h"
#include "drill/room_lines.h"
#include "engine/text_number.h"
#include "flash/flash_board.h"
#include "flash/flash_chain.h"
#include "history/stored_moment.h"
#include "sound/play_clip.h"

namespace {

constexpr char kStart[] = "开  始";
constexpr char kStop[] = "停  止";
constexpr char kReady[] = "预备";
constexpr char kAskAnswer[] = "？";
constexpr char kRightVerdict[] = "对了！";
constexpr char kAnswerButton[] = "确定";
constexpr char kFlashMinus[] = "−";
constexpr char kRightMark[] = "√";
constexpr char kWrongMark[] = "×";
constexpr Rgb kRightColour{0, 150, 0};
constexpr Rgb kWrongColour{192, 0, 0};
// The chain with its total takes the flash box less room for the mark on either side.
constexpr int kSmallestChainPoints = 14;
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

// Hides the number, the beads, the minus before them and the mark of an answer.
void blankDisplay(DrillForm& room) {
    room.Label1.setCaption("");
    room.Label1.setFont(room.flashFont());
    room.Label1.multiLine = false;
    room.Label7.visible = false;
    room.Label8.visible = false;
    hideFlashBoard(room);
}

// The largest size, from the flash font's down, at which `text` fits on one line of `width`
// twips; the smallest size when none does, and the text then wraps.
FontSpec fittingFont(const TextMetrics& metrics, FontSpec font, const std::string& text,
                     int width) {
    while (font.pointSize > kSmallestChainPoints && metrics.measure(font, text).width > width) {
        font.pointSize = std::max<double>(kSmallestChainPoints, font.pointSize - 2);
    }
    return font;
}

// The answered chain: the whole chain with its total in the flash box, the large √ or × beside
// it, "确定" become "下一题"; nothing moves on until it is pressed.
void showAnsweredChain(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    blankDisplay(room);
    const std::string caption = chainText(drill.terms) + "=" + plainNumber(chainTotal(drill.terms));
    const int width = room.Label1.width - 2 * room.Label8.width;
    const FontSpec font = fittingFont(window.services.metrics, room.flashFont(), caption, width);
    room.Label1.multiLine = window.services.metrics.measure(font, caption).width > width;
    room.Label1.setFont(font);
    room.Label1.setCaption(caption);
    room.Label8.setCaption(drill.answeredRight ? kRightMark : kWrongMark);
    room.Label8.foreColor = drill.answeredRight ? kRightColour : kWrongColour;
    room.Label8.visible = true;
    room.Timer1.enabled = false;
    room.Text1.enabled = false;
    if (!drill.setRunning) return;
    drill.phase = ChainPhase::Paused;
    room.Command3.enabled = !drill.seenAgain;
    room.Command2.setCaption(kNextButton);
    room.Command2.enabled = true;
    room.moveFocus(room.Command2);
}

// Shows one term: as digits with a minus as clear as they are, or as beads on the board with a
// red minus before it.
void showTerm(WindowContext& window, std::int32_t term) {
    DrillForm& room = window.drill;
    blankDisplay(room);
    if (beadsChosen(window)) {
        showTermOnBoard(window, term, window.drillState.chainDigits);
        return;
    }
    const std::string digits = plainNumber(term < 0 ? -term : term);
    room.Label1.setCaption(term < 0 ? kFlashMinus + digits : digits);
}

// Shows "预备" and waits the ready span before the first number.
void presentReady(WindowContext& window) {
    DrillForm& room = window.drill;
    blankDisplay(room);
    room.Label1.setCaption(kReady);
    room.Text1.enabled = false;
    room.Command2.setCaption(kAnswerButton);
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
    drill.answered = false;
    drill.chainStart = window.services.clock.now();
    drill.chainDigits = chosenDigits(window);
    drill.chainSecondsPerNumber = room.Combo4.caption();
    drill.chainMix = room.Command4.caption();
    drill.chainView = room.Command5.caption();
    room.Text1.setCaption("");
    room.Label2.setCaption("");
    room.Label9.setCaption("");
    presentReady(window);
}

}  // namespace

int periodMilliseconds(const WindowContext& window) {
    return static_cast<int>(roundHalfEven(chosenNumber(window.drill.Combo4) * 1000));
}

void askForAnswer(WindowContext& window) {
    if (window.drillState.answered) {
        showAnsweredChain(window);
        return;
    }
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
    room.Command2.setCaption(kAnswerButton);
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

void startOrStopChainSet(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (drill.setRunning) {
        stopChainSet(window);
        return;
    }
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

void flashNextSpan(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
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

void answerChain(WindowContext& window) {
    DrillState& drill = window.drillState;
    DrillForm& room = window.drill;
    if (drill.phase == ChainPhase::Paused) {
        startChain(window);
        return;
    }
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
    drill.answered = true;
    drill.answeredRight = right;
    const bool lastChain = drill.chainNumber >= drill.chainsInSet;
    if (lastChain) {
        writeSetSummary(window, "对" + std::to_string(drill.rightInSet) + "题");
        endSet(window);
    }
    showAnsweredChain(window);
    playClip(window, right ? kRightClip : kWrongClip);
    if (lastChain) room.moveFocus(room.Command1);
}

void drill_Command3_Click(WindowContext& window) {
    DrillState& drill = window.drillState;
    const bool paused = drill.phase == ChainPhase::Paused;
    if ((drill.phase != ChainPhase::Answering && !paused) || drill.seenAgain) return;
    drill.seenAgain = true;
    presentReady(window);
}

void stopChainSet(WindowContext& window) {
    DrillState& drill = window.drillState;
    if (!drill.setRunning) return;
    if (drill.answered) {
        // The chain on show is answered and kept already: the set just ends.
        blankDisplay(window.drill);
        endSet(window);
        return;
    }
    writeLine(window.drill, "第" + std::to_string(drill.chainNumber) + "题 中止");
    storeChain(window, "", false, true);
    blankDisplay(window.drill);
    endSet(window);
}
