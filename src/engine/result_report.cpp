#include "engine/result_report.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/verdict_mark.h"
#include "engine/clock_text.h"
#include "engine/question_display.h"
#include "engine/text_number.h"
#include "history/redo_questions.h"
#include "history/run_journal.h"
#include "input/keypad_keys.h"
#include "sound/play_clip.h"

namespace {

constexpr char kExam[] = "0";
constexpr char kAbacusDirection[] = "0";
constexpr char kRule[] = "************************************************************************";
constexpr std::int16_t kIdle = 1;
constexpr std::int16_t kPerfectScore = 100;
constexpr std::int16_t kPerfectRunClip = 111;
constexpr int kBeadStyleCount = 20;
constexpr std::size_t kLongestPraisedName = 20;  // characters of the name the praise shows

// The next of the twenty bead styles, the last one followed by the first.
std::string nextBeadStyle(const std::string& style) {
    const double next = integerValueOf(style) + 1;
    if (next < 1 || next > kBeadStyleCount) return "1";
    return plainNumber(static_cast<int>(next));
}

// The first `count` characters of a UTF-8 text, with an ellipsis when some were left off.
std::string shortened(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) return text.substr(0, i) + "…";
    }
    return text;
}

// Hides the board, the rule and the date label and stops both timers.
void stopRun(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    for (Element* element : {&form.Line1, &form.Picture2, &form.Picture3, &form.Picture4,
                             &form.Label10, &form.Label18}) {
        element->visible = false;
    }
    state.typedAnswer.clear();
    state.typedDigitCount = 0;
    state.beadStyle1 = nextBeadStyle(state.beadStyle1);
    state.beadStyle2 = nextBeadStyle(state.beadStyle2);
    state.beadStyle3 = nextBeadStyle(state.beadStyle3);
    form.Timer1.enabled = false;
    form.Timer2.interval = 0;
    form.Timer2.enabled = false;
    state.questionSeconds = 0;
}

// Appends the summary of the run to the record list.
void writeReport(WindowContext& window) {
    const TrainingState& state = window.state;
    Element& list = window.form.List1;
    const std::string modeWord = state.examMode != kExam ? "练习" : "考试";
    const std::string styleWord = state.directionMode != kAbacusDirection ? "竖式" : "珠算";
    list.addItem(window.form.Command6.caption() + styleWord + modeWord + "方式");
    list.addItem("开始时间" + state.runStartTime + "(" + state.runStartDate + ")");
    list.addItem("你选择出题－－" + plainNumber(state.questionTotal) + "道");
    list.addItem("你选择速度－－" + plainNumber(state.secondsPerQuestion) + "秒/道");
    list.addItem("你选择位数－－" + plainNumber(state.digitsIndex + 1) + "位");
    list.addItem("你实际答题－－" + plainNumber(state.answeredCount) + "道");
    list.addItem("你总共答对－－" + plainNumber(state.rightCount) + "道");
    list.addItem("你总共答错－－" + plainNumber(state.wrongCount) + "道");
    list.addItem("你答题得分－－" + plainNumber(state.score) + "分");
    list.addItem("你共用时间－－" + timeOfDayText(state.elapsedTime));
    list.addItem(kRule);
    list.addItem("");
}

// Empties the question line and the answer boxes.
void clearQuestionLine(MainForm& form) {
    for (Element* label :
         {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15, &form.Labe1,
          &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5}) {
        label->setCaption("");
    }
    form.Line1.visible = false;
}

// Unlocks the settings and gives the keypad its menu captions; a new run can start only after
// the record list has been left.
void returnToMenu(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    for (Element* element : {&form.Command5, &form.Command4, &form.Combo1, &form.Combo3,
                             &form.Combo2, &form.Combo4, &form.Command6, &form.Command8}) {
        element->enabled = true;
    }
    static const char* const kMenuCaptions[10] = {"日历", "打开",  "保存", "记录", "颜色",
                                                  "字体", nullptr, "演示", "出卷", "返回"};
    for (int key = 0; key <= 9; ++key) {
        if (kMenuCaptions[key] != nullptr) form.Command1[key].setCaption(kMenuCaptions[key]);
    }
    form.Command1[6].setCaption(state.examMode != kExam ? "练习" : "考试");
    form.Command3.setCaption("关闭");
    form.Command3.enabled = true;
    state.appState = kIdle;
    clearQuestionLine(form);
    endOvertimeShow(window);
    for (Element* term : {&form.Label11, &form.Label13, &form.Label15}) {
        term->backColor = kTermBackground;
    }
    state.runActive = "0";
    form.Command4.setCaption("出  题");
    enableMenuKeys(form);
    form.Shape2.width = 0;
    form.Label17.setCaption("");
    form.Label28.enabled = true;
    form.Command1[9].enabled = true;
    form.Command4.enabled = false;
}

}  // namespace

void zz(WindowContext& window) {
    TrainingState& state = window.state;
    endRedoQuestions(window);
    state.lastRunOperator = state.currentOperator;
    state.lastRunQuestion = {state.operandA, state.operandB, state.operandC};
    stopRun(window);
    const bool perfect = state.score == kPerfectScore && state.wrongCount == 0;
    if (perfect && soundCuesOn(window)) playClip(window, kPerfectRunClip);
    const std::size_t reportStart = window.form.List1.items.size();
    writeReport(window);
    keepRun(window);
    window.form.List1.visible = true;
    window.form.List1.showLinesFrom(reportStart);
    returnToMenu(window);
    window.form.moveFocus(window.form.List1);
    if (perfect) {
        window.services.dialogs.inform(shortened(state.learnerName, kLongestPraisedName) +
                                       "，你真棒！这次全部答对，得了100分！");
    }
}
