#include "paper/test_paper.h"

#include <cstddef>
#include <string>

#include "engine/clock_text.h"
#include "engine/question_generator.h"
#include "engine/run_clock.h"
#include "engine/text_number.h"
#include "engine/time_bar.h"
#include "input/keypad_keys.h"
#include "paper/answer_sheets.h"
#include "paper/column_layouts.h"
#include "paper/paper_headings.h"
#include "paper/paper_questions.h"
#include "paper/vertical_sums.h"

namespace {

constexpr char kHeaderRule[] = "    -------------------------------------------------";
constexpr char kScoreBox[] = "                                       得分(          )";
constexpr char kNoMixedVerticalPaper[] = "不能选择加减乘除四则混合运算的竖式出题模式";
constexpr char kFillInQuestions[] = "填  空";
constexpr char kSingleColumn[] = "单  列";
constexpr char kDoubleColumn[] = "双  列";
constexpr char kVerticalLayout[] = "竖  式";
constexpr char kExamWord[] = "考试";
constexpr char kPracticeWord[] = "练习";

// The menu captions of keys 0 to 5, as the menu state shows them.
constexpr const char* kInertKeyCaptions[] = {"日历", "打开", "保存", "记录", "颜色", "字体"};

// The item `index` of a list, or "" when there is none.
std::string itemOf(const Element& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.items.size()) return {};
    return list.items[static_cast<std::size_t>(index)];
}

// The start of both titles of paper N: "   " and N with its sign blank, then the date.
std::string paperTitleStart(const TrainingState& state) {
    return "   " + signedNumber(state.runNumber) + kPaperWord + state.runStartDate + ")  ";
}

// Empties the five captions of the question line.
void clearQuestionLine(MainForm& form) {
    for (Element* label :
         {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15}) {
        label->setCaption("");
    }
}

// Clears what a run left behind, puts the keypad in the menu state with the record list
// on view, and numbers the paper.
void prepareWindow(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;

    form.Label8.visible = false;
    state.overtimeBlink.clear();
    state.overtimeSeconds = 0;
    state.paperAnswer = 0;
    state.paperQuestionNumber = 0;

    form.Command4.enabled = false;
    state.learnerName = form.Text1.caption();
    form.Text1.enabled = false;
    state.timeLimitReachedCount = 0;
    state.score = 0;
    state.practiceWrongCount = 0;
    state.practiceWrongTag.clear();
    state.practiceWrongNote.clear();

    for (int key = 0; key < 6; ++key) form.Command1[key].setCaption(kInertKeyCaptions[key]);
    form.Command1[8].setCaption("出卷");
    form.Command1[6].setCaption(state.examMode == "0" ? kExamWord : kPracticeWord);
    form.Command1[7].setCaption("演示");
    form.Command1[9].setCaption(form.List1.visible ? "返回" : "查看");

    state.appState = 1;
    form.Command3.setCaption("关闭");
    form.Command2.setCaption("清  除");
    state.typedAnswer.clear();
    state.reportShown = 0;
    form.List1.visible = true;

    ++state.runNumber;
    const LocalDateTime now = window.services.clock.now();
    state.runStartDate = dateText(now);
    state.runStartTime = timeText(now);

    for (Element* enabled :
         {&form.Combo1, &form.Combo2, &form.Combo3, &form.Combo4, &form.Command2, &form.Command3}) {
        enabled->enabled = true;
    }
    enableMenuKeys(form);
}

// Zeroes the run's counters and clock and reads the settings the paper is written with.
void readSettings(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;

    state.rightCount = 0;
    state.wrongCount = 0;
    resetRunClock(state);
    state.typedValue = 0;
    for (Element* label : {&form.Label4, &form.Label12, &form.Label14, &form.Label24, &form.Label25,
                           &form.Label26, &form.Label27}) {
        label->setCaption("0");
    }

    state.secondsPerQuestion =
        saturatedTo<std::int16_t>(integerValueOf(itemOf(form.Combo4, state.speedIndex)));
    form.Shape1.width = fullTimeBarWidth(form);
    form.Shape2.width = 0;
    form.Timer2.interval = kQuestionTimerInterval;
    form.Timer2.enabled = false;
    form.Timer1.enabled = false;

    state.digitsIndex = static_cast<std::int16_t>(form.Combo2.listIndex);
    const bool fillIn = form.Command6.caption() == kFillInQuestions;
    state.fillBlankMode = fillIn ? "1" : "";
    state.columnWidth = static_cast<std::int16_t>(state.digitsIndex * 2 + (fillIn ? 25 : 22));
    state.answerColumnWidth = static_cast<std::int16_t>(state.digitsIndex + 6);

    form.Label4.setCaption(itemOf(form.Combo3, state.countIndex));
    state.questionTotal = saturatedTo<std::int16_t>(integerValueOf(form.Label4.caption()));
    state.answeredCount = 0;
    state.modeIndex = static_cast<std::int16_t>(form.Combo1.listIndex);

    state.reportModeWord = state.examMode == "0" ? kExamWord : kPracticeWord;
    state.reportStyleWord = state.directionMode == "0" ? "珠算" : "竖式";
}

// The paper's header: its number and date with the lines for grade and class, and a rule.
void writeHeader(WindowContext& window) {
    Element& list = window.form.List1;
    list.addItem(kHeaderSpacer);
    list.addItem(paperTitleStart(window.state) + kClassLine);
    list.addItem(kHeaderRule);
}

// Starts the numbering of every layout and the four-question history ring afresh.
void resetLayouts(TrainingState& state) {
    state.leftColumnNumber = 0;
    state.rightColumnNumber = static_cast<std::int16_t>(state.questionTotal / 2);
    state.columnToggle = 0;
    state.groupPosition = 0;
    state.verticalNumber = 0;
    state.paperQuestionNumber = 0;
    state.historySlotToggle = 0;
}

// Draws one question and hands it to the layout Command8 shows. False when the layout
// refuses it.
bool writeQuestion(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.columnGap = isRemainderPaper(window) ? "" : " ";
    ysfh(window);
    zdct(window);
    chooseBlankPosition(window);
    drawPaperQuestion(window);
    setPaperTerms(window);
    state.runActive = "1";
    const std::string& layout = form.Command8.caption();
    if (layout == kSingleColumn) {
        writeSingleColumnQuestion(window);
    } else if (layout == kDoubleColumn) {
        writeDoubleColumnQuestion(window);
    } else if (layout == kVerticalLayout) {
        return placeVerticalSum(window);
    }
    return true;
}

// The vertical layout cannot take four-operation papers: says so and leaves the window
// usable, with the header written and no answer sheet.
void refuseMixedVerticalPaper(WindowContext& window) {
    MainForm& form = window.form;
    window.services.dialogs.inform(kNoMixedVerticalPaper);
    window.state.runActive = "0";
    form.Command4.enabled = true;
    form.Text1.enabled = true;
    clearQuestionLine(form);
}

// The score box under the questions, then the answer sheet with its title.
void writeAnswerSheet(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    for (const char* line : {" ", kScoreBox, "", ""}) form.List1.addItem(line);
    form.Command4.enabled = true;
    state.runActive = "0";

    state.logLine = paperTitleStart(state) + signedNumber(state.digitsIndex + 1) + " 位" +
                    form.Command6.caption() + state.modeOperators + state.reportModeWord +
                    signedNumber(state.questionTotal) + " 道 ";
    for (const std::string& line :
         {std::string(), std::string(), state.logLine, std::string(kAnswerSheetHeading)}) {
        form.List1.addItem(line);
    }
    if (isRemainderPaper(window)) {
        mmmma(window);
    } else {
        ddddb(window);
    }
    form.List1.addItem("");
    form.List1.addItem("");
}

}  // namespace

bool writeTestPaper(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    prepareWindow(window);
    readSettings(window);
    const std::size_t titleLine = form.List1.items.size() + 1;
    writeHeader(window);
    resetLayouts(state);
    window.services.random.randomize();

    for (int question = 0; question < state.questionTotal; ++question) {
        if (!writeQuestion(window)) {
            form.List1.showLinesFrom(titleLine);
            refuseMixedVerticalPaper(window);
            return false;
        }
    }
    if (form.Command8.caption() == kDoubleColumn) finishDoubleColumn(window);
    writeAnswerSheet(window);
    form.List1.showLinesFrom(titleLine);

    form.Command1[8].setCaption(plainNumber(state.runNumber));
    clearQuestionLine(form);
    form.Command1[9].setCaption("返回");
    return true;
}
