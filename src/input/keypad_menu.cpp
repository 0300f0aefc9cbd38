#include "input/keypad_menu.h"

#include "appearance/colour_scheme.h"
#include "appearance/kept_appearance.h"
#include "appearance/window_zoom.h"
#include "demonstration/demonstration.h"
#include "display/question_layout.h"
#include "engine/settings_check.h"
#include "engine/startup.h"
#include "history/history_menu.h"
#include "history/run_journal.h"
#include "input/key_click.h"
#include "paper/test_paper.h"

namespace {

constexpr int kCalendarKey = 0;
constexpr int kLearnersKey = 1;
constexpr int kSaveKey = 2;
constexpr int kHistoryKey = 3;
constexpr int kColourKey = 4;
constexpr int kZoomKey = 5;
constexpr int kModeKey = 6;
constexpr int kDemonstrationKey = 7;
constexpr int kPaperKey = 8;
constexpr int kRecordListKey = 9;
constexpr char kExamWord[] = "考试";
constexpr char kPracticeWord[] = "练习";
constexpr char kBoardAndNumbers[] = "珠心算";
constexpr char kBoardOnly[] = "珠算";

// Switches between practice and exam after returning the window to the idle state.
void switchExamMode(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    returnToIdle(window);
    state.examMode = state.examMode == "1" ? "0" : "1";
    const char* word = state.examMode == "0" ? kExamWord : kPracticeWord;
    form.Command1[kModeKey].setCaption(word);
    form.Label29.setCaption(word);
}

// Shows the record list in place of the board, or hides it and brings the board back.
void toggleRecordList(WindowContext& window) {
    MainForm& form = window.form;
    if (!form.List1.visible) {
        form.List1.visible = true;
        for (Element* row : {&form.Picture2, &form.Picture3, &form.Picture4}) row->visible = false;
        form.Command1[kRecordListKey].setCaption("返回");
        form.Command2.enabled = true;
        form.Command4.enabled = false;
        form.Label10.visible = false;
        return;
    }
    form.List1.visible = false;
    form.Command1[kRecordListKey].setCaption("查看");
    form.Frame2.visible = true;
    form.Command2.enabled = false;
    form.Command4.enabled = true;
    form.Label10.visible = true;
    const std::string& display = form.Label16.caption();
    if (display == kBoardAndNumbers || display == kBoardOnly) aaa(window);
}

// Hides the board and the question line, then writes a paper if all settings are chosen.
// False when the press ends without the key click.
bool requestTestPaper(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    for (Element* hidden :
         {&form.Picture2, &form.Picture3, &form.Picture4, &form.Label11, &form.Label12,
          &form.Label13, &form.Label14, &form.Label15, &form.Label18}) {
        hidden->visible = false;
    }
    state.judgedFirstText = "0";
    state.judgedSecondText = "0";
    state.judgedResultText = "0";
    if (!allSettingsChosen(window) || !writeTestPaper(window)) return false;
    keepPaper(window);
    return true;
}

// Keys 0 to 3 open their window once the press has clicked: "日历" the calendar, "打开" the
// learners list, "保存" saves the record list and "记录" the history.
void openKeyWindow(WindowContext& window) {
    switch (window.state.pressedKey) {
        case kCalendarKey:
            openMenuWindow(window, MenuWindow::Calendar);
            break;
        case kLearnersKey:
            openMenuWindow(window, MenuWindow::Learners);
            break;
        case kSaveKey:
            openMenuWindow(window, MenuWindow::SaveRecordList);
            break;
        case kHistoryKey:
            openMenuWindow(window, MenuWindow::History);
            break;
        default:
            break;
    }
}

// Empties the question line, as every press of a menu key does first.
void emptyQuestionLine(MainForm& form) {
    for (Element* label :
         {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15}) {
        label->setCaption("");
    }
}

}  // namespace

void keypadMenuPress(WindowContext& window) {
    MainForm& form = window.form;
    emptyQuestionLine(form);
    switch (window.state.pressedKey) {
        case kModeKey:
            switchExamMode(window);
            break;
        case kRecordListKey:
            toggleRecordList(window);
            break;
        case kPaperKey:
            if (!requestTestPaper(window)) return;
            break;
        case kColourKey:
            switchColourScheme(window);
            keepAppearance(window);
            break;
        case kZoomKey:
            stepZoom(window);
            keepAppearance(window);
            break;
        case kDemonstrationKey:
            if (form.List1.visible) toggleRecordList(window);
            if (!startDemonstration(window)) return;
            break;
        default:
            break;
    }
    playKeyClick(window);
    openKeyWindow(window);
}

void demonstrateFromMenu(WindowContext& window) {
    MainForm& form = window.form;
    stopDemonstration(window);
    form.Label19.visible = false;
    emptyQuestionLine(form);
    if (form.List1.visible) toggleRecordList(window);
    startDemonstration(window);
}

bool demonstrateGivenQuestion(WindowContext& window, const std::string& sign, std::int32_t first,
                              std::int32_t second) {
    MainForm& form = window.form;
    if (window.state.runActive == "1") return false;
    if (form.List1.visible) toggleRecordList(window);
    if (!demonstrateQuestion(window, sign, first, second)) return false;
    form.Label19.visible = false;
    ++form.raiseRequests;
    return true;
}
