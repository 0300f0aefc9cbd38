#include "engine/run_button.h"

#include <cstdint>
#include <string>

#include "display/question_layout.h"
#include "engine/clock_text.h"
#include "engine/question_display.h"
#include "engine/question_generator.h"
#include "engine/result_report.h"
#include "engine/run_clock.h"
#include "engine/settings_check.h"
#include "engine/text_number.h"
#include "engine/time_bar.h"
#include "history/run_journal.h"
#include "input/keypad_keys.h"
#include "sound/play_clip.h"

namespace {

constexpr char kNoRun[] = "0";
constexpr char kRunOn[] = "1";
constexpr char kStopCaption[] = "中  止";
constexpr std::int16_t kRunInProgress = 0;
constexpr std::int16_t kStartClip = 108;
constexpr std::int16_t kStartClickClip = 102;
constexpr Rgb kCyan{0, 255, 255};

// The whole-number value of the list's chosen item.
std::int16_t chosenNumber(const Element& list) {
    return saturatedTo<std::int16_t>(
        integerValueOf(list.items[static_cast<std::size_t>(list.listIndex)]));
}

// Clears the overtime warning and the once-per-run overtime clips.
void resetOvertime(WindowContext& window) {
    TrainingState& state = window.state;
    state.overtimeSoundPlayed = 0;
    state.severeOvertimeSoundPlayed = 0;
    window.form.Label8.visible = false;
    window.form.Label10.visible = true;
    state.overtimeBlink.clear();
    state.overtimeSeconds = 0;
}

// Locks the settings, turns the keypad into digits and writes the run's header line.
void openRun(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    form.Label28.enabled = false;
    form.Command6.enabled = false;
    form.Command8.enabled = false;
    state.learnerName = form.Text1.caption();
    state.score = 0;
    state.practiceWrongCount = 0;
    state.practiceWrongTag.clear();

    showDigitCaptions(form);
    form.Command3.setCaption("确定");
    form.Command2.setCaption("清  除");
    for (Element* counter :
         {&form.Label32, &form.Label34, &form.Label24, &form.Label25, &form.Label26}) {
        counter->setCaption("0");
    }
    state.typedAnswer.clear();
    state.appState = kRunInProgress;
    form.List1.visible = false;

    ++state.runNumber;
    const LocalDateTime now = window.services.clock.now();
    state.runStartDate = dateText(now);
    state.runStartTime = timeText(now);
    form.List1.addItem("这是第" + plainNumber(state.runNumber) + " 次答题！" + "由" +
                       state.learnerName + "完成！");
    if (soundCuesOn(window)) {
        playClip(window, kStartClip);
        playClip(window, kStartClickClip);
    }

    form.Command4.setCaption(kStopCaption);
    for (Element* list : {&form.Combo1, &form.Combo2, &form.Combo3, &form.Combo4}) {
        list->enabled = false;
    }
    form.Command2.enabled = true;
    form.Command3.enabled = true;
    enableAllKeys(form, true);
    form.Text1.enabled = false;
}

// Zeroes the counters, the run clock and the question line, and starts both timers.
void resetCountersAndTimers(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.rightCount = 0;
    state.wrongCount = 0;
    state.typedValue = 0;
    resetRunClock(state);
    state.elapsedTime = 0;
    state.operandA = 1;
    state.operandB = 2;
    state.operandC = 3;
    for (Element* term :
         {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15}) {
        term->setCaption("");
    }

    state.speedIndex = static_cast<std::int16_t>(form.Combo4.listIndex);
    state.secondsPerQuestion = chosenNumber(form.Combo4);
    form.Shape1.width = fullTimeBarWidth(form);
    form.Shape2.width = 0;
    form.Timer2.startTimer(kQuestionTimerInterval);
    form.Timer1.enabled = true;

    state.countIndex = static_cast<std::int16_t>(form.Combo3.listIndex);
    state.questionTotal = chosenNumber(form.Combo3);
    form.Label4.setCaption(plainNumber(state.questionTotal));
    form.Label25.setCaption(plainNumber(state.questionTotal));
    state.remainingCount = state.questionTotal;
    state.answeredCount = 0;
}

// Draws and shows the first question and waits for the first digit.
void showFirstQuestion(WindowContext& window) {
    MainForm& form = window.form;
    window.services.random.randomize();
    drawNextQuestion(window);
    form.Label17.setCaption("");
    form.Label17.foreColor = kCyan;
    form.Label17.backColor = kAnswerBackground;
    showQuestion(window);
    window.state.runActive = kRunOn;
    form.Label18.visible = true;
    aaa(window);
    form.Frame2.visible = true;
    form.Command3.enabled = false;
}

}  // namespace

void Command4_Click(WindowContext& window) {
    window.form.Label19.visible = false;
    window.form.Command3.enabled = false;
    if (!allSettingsChosen(window)) return;
    resetOvertime(window);
    if (window.state.runActive == kNoRun) {
        openRun(window);
        resetCountersAndTimers(window);
        beginRunJournal(window);
        showFirstQuestion(window);
    } else {
        zz(window);
        window.form.Text1.enabled = true;
    }
}
