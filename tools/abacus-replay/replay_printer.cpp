#include "replay_printer.h"

#include <cstdio>
#include <utility>

#include "engine/clock_text.h"

namespace {

std::string hexColour(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

std::string flag(bool value) { return value ? "1" : "0"; }

template <typename Number>
std::string optionalNumber(const std::optional<Number>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A time of day held as seconds after midnight, in the long time format.
std::string timeOfDay(std::int32_t secondsAfterMidnight) {
    LocalDateTime moment;
    moment.hour = secondsAfterMidnight / 3600;
    moment.minute = secondsAfterMidnight / 60 % 60;
    moment.second = secondsAfterMidnight % 60;
    return timeText(moment);
}

// A paper record as its values for printed numbers 1..100, joined by commas.
template <typename Record>
std::string recordedNumbers(const Record& record) {
    std::string text;
    for (std::size_t number = 1; number < record.size(); ++number) {
        if (number > 1) text += ',';
        text += std::to_string(record[number]);
    }
    return text;
}

// A recent question as operandA,operandB,operandC.
std::string historySlot(const QuestionHistorySlot& slot) {
    return std::to_string(slot.operandA) + "," + std::to_string(slot.operandB) + "," +
           std::to_string(slot.operandC);
}

// A waiting vertical sum as its number, terms and operator between vertical bars.
std::string verticalSlot(const VerticalSumSlot& slot) {
    return slot.numberText + "|" + slot.firstTermText + "|" + slot.operatorText + "|" +
           slot.secondTermText + "|" + slot.resultTermText;
}

}  // namespace

std::string oneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            line += "\\\\";
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            line += escaped;
        } else {
            line += c;
        }
    }
    return line;
}

std::string describeElement(const std::string& name, const Element& element) {
    std::string line =
        name + " visible=" + flag(element.visible) + " enabled=" + flag(element.enabled) +
        " left=" + std::to_string(element.left) + " top=" + std::to_string(element.top) +
        " width=" + std::to_string(element.width) + " height=" + std::to_string(element.height);
    if (element.kind == ElementKind::ComboBox || element.kind == ElementKind::ListBox) {
        line += " index=" + std::to_string(element.listIndex);
    }
    if (element.kind == ElementKind::Timer) line += " interval=" + std::to_string(element.interval);
    if (element.kind == ElementKind::Rod) line += " picture=" + element.picture;
    if (element.kind == ElementKind::Line) {
        line += " x1=" + std::to_string(element.x1) + " y1=" + std::to_string(element.y1) +
                " x2=" + std::to_string(element.x2) + " y2=" + std::to_string(element.y2) +
                " thickness=" + std::to_string(element.thickness);
    }
    if (element.foreColor) line += " forecolor=" + hexColour(*element.foreColor);
    if (element.kind == ElementKind::ListBox)
        line += " top_index=" + std::to_string(element.topIndex);
    if (element.kind == ElementKind::Bead && element.marked) line += " marked=1";
    return line + " caption=" + oneLine(element.caption());
}

std::vector<std::string> describeList(const std::string& name, const Element& list) {
    std::vector<std::string> lines{name + " " + std::to_string(list.items.size())};
    for (const std::string& item : list.items) lines.push_back(oneLine(item));
    return lines;
}

std::vector<std::string> describeState(const TrainingState& s) {
    const std::vector<std::pair<const char*, std::string>> fields = {
        {"modeIndex", std::to_string(s.modeIndex)},
        {"modeOperators", s.modeOperators},
        {"digitsIndex", std::to_string(s.digitsIndex)},
        {"countIndex", std::to_string(s.countIndex)},
        {"questionTotal", std::to_string(s.questionTotal)},
        {"speedIndex", std::to_string(s.speedIndex)},
        {"secondsPerQuestion", std::to_string(s.secondsPerQuestion)},
        {"examMode", s.examMode},
        {"fillBlankMode", s.fillBlankMode},
        {"directionMode", s.directionMode},
        {"soundMode", s.soundMode},
        {"appState", std::to_string(s.appState)},
        {"runActive", s.runActive},
        {"defaultLearnerName", s.defaultLearnerName},
        {"learnerTitle", s.learnerTitle},
        {"learnerName", s.learnerName},
        {"runNumber", std::to_string(s.runNumber)},
        {"runStartDate", s.runStartDate},
        {"runStartTime", s.runStartTime},
        {"answeredCount", std::to_string(s.answeredCount)},
        {"remainingCount", std::to_string(s.remainingCount)},
        {"rightCount", std::to_string(s.rightCount)},
        {"wrongCount", std::to_string(s.wrongCount)},
        {"score", std::to_string(s.score)},
        {"practiceWrongCount", std::to_string(s.practiceWrongCount)},
        {"practiceWrongTag", s.practiceWrongTag},
        {"currentOperator", s.currentOperator},
        {"operandA", std::to_string(s.operandA)},
        {"operandB", std::to_string(s.operandB)},
        {"operandC", std::to_string(s.operandC)},
        {"digitsA", std::to_string(s.digitsA)},
        {"digitsB", std::to_string(s.digitsB)},
        {"blankPosition", std::to_string(s.blankPosition)},
        {"blankText", s.blankText},
        {"blankTextCopy", s.blankTextCopy},
        {"lastVerdict", s.lastVerdict},
        {"correctionText", s.correctionText},
        {"correctionPrefix", s.correctionPrefix},
        {"logGap", s.logGap},
        {"questionSeconds", std::to_string(s.questionSeconds)},
        {"overtimeSeconds", std::to_string(s.overtimeSeconds)},
        {"zeroDigitCount", std::to_string(s.zeroDigitCount)},
        {"digitCheckText", s.digitCheckText},
        {"historySlotToggle", optionalNumber(s.historySlotToggle)},
        {"historySlot0", historySlot(s.historySlot0)},
        {"historySlot1", historySlot(s.historySlot1)},
        {"judgedFirstText", s.judgedFirstText},
        {"judgedSecondText", s.judgedSecondText},
        {"judgedResultText", s.judgedResultText},
        {"judgedFirst", number(s.judgedFirst)},
        {"judgedSecond", number(s.judgedSecond)},
        {"judgedResult", number(s.judgedResult)},
        {"answeredText", s.answeredText},
        {"overtimeBlink", s.overtimeBlink},
        {"overtimeSoundPending", std::to_string(s.overtimeSoundPending)},
        {"severeOvertimeSoundPending", std::to_string(s.severeOvertimeSoundPending)},
        {"overtimeSoundPlayed", std::to_string(s.overtimeSoundPlayed)},
        {"severeOvertimeSoundPlayed", std::to_string(s.severeOvertimeSoundPlayed)},
        {"clockHours", std::to_string(s.clockHours)},
        {"clockMinTens", std::to_string(s.clockMinTens)},
        {"clockMinUnits", std::to_string(s.clockMinUnits)},
        {"clockSecTens", std::to_string(s.clockSecTens)},
        {"clockSecUnits", std::to_string(s.clockSecUnits)},
        {"elapsedHours", std::to_string(s.elapsedHours)},
        {"elapsedMinutes", std::to_string(s.elapsedMinutes)},
        {"elapsedSeconds", std::to_string(s.elapsedSeconds)},
        {"elapsedText", s.elapsedText},
        {"elapsedTime", timeOfDay(s.elapsedTime)},
        {"lastClockSecond", optionalNumber(s.lastClockSecond)},
        {"pressedKey", std::to_string(s.pressedKey)},
        {"typedDigitCount", std::to_string(s.typedDigitCount)},
        {"typedValue", std::to_string(s.typedValue)},
        {"typedAnswer", s.typedAnswer},
        {"beadLetter", s.beadLetter},
        {"beadStyle1", s.beadStyle1},
        {"beadStyle2", s.beadStyle2},
        {"beadStyle3", s.beadStyle3},
        {"beadStyleWork", s.beadStyleWork},
        {"soundBuffer", std::to_string(s.soundBuffer.size())},
        {"paperAnswers", recordedNumbers(s.paperAnswers)},
        {"paperRemainders", recordedNumbers(s.paperRemainders)},
        {"paperQuestionNumber", std::to_string(s.paperQuestionNumber)},
        {"paperAnswer", std::to_string(s.paperAnswer)},
        {"paperRemainder", std::to_string(s.paperRemainder)},
        {"termText1", s.termText1},
        {"termText2", s.termText2},
        {"termText3", s.termText3},
        {"historySlot2", historySlot(s.historySlot2)},
        {"historySlot3", historySlot(s.historySlot3)},
        {"columnWidth", std::to_string(s.columnWidth)},
        {"answerColumnWidth", std::to_string(s.answerColumnWidth)},
        {"leftColumnNumber", std::to_string(s.leftColumnNumber)},
        {"rightColumnNumber", std::to_string(s.rightColumnNumber)},
        {"columnToggle", std::to_string(s.columnToggle)},
        {"rightColumnText", s.rightColumnText},
        {"leftColumnText", s.leftColumnText},
        {"columnGap", s.columnGap},
        {"groupPosition", std::to_string(s.groupPosition)},
        {"verticalNumber", std::to_string(s.verticalNumber)},
        {"verticalSlot1", verticalSlot(s.verticalSlots[0])},
        {"verticalSlot2", verticalSlot(s.verticalSlots[1])},
        {"verticalSlot3", verticalSlot(s.verticalSlots[2])},
        {"verticalSlot4", verticalSlot(s.verticalSlots[3])},
        {"verticalSlot5", verticalSlot(s.verticalSlots[4])},
        {"reportModeWord", s.reportModeWord},
        {"reportStyleWord", s.reportStyleWord},
        {"logLine", s.logLine},
        {"timeLimitReachedCount", std::to_string(s.timeLimitReachedCount)},
        {"practiceWrongNote", s.practiceWrongNote},
        {"reportShown", std::to_string(s.reportShown)},
        {"lastRunOperator", s.lastRunOperator},
        {"lastRunQuestion", historySlot(s.lastRunQuestion)},
        {"demonstrationStep", std::to_string(s.demonstrationStep)},
        {"colourScheme", s.colourScheme},
        {"zoomPercent", std::to_string(s.zoomPercent)},
    };
    std::vector<std::string> lines{"state " + std::to_string(fields.size())};
    for (const auto& [name, value] : fields)
        lines.push_back(std::string(name) + "=" + oneLine(value));
    return lines;
}
