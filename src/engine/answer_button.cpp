#include "engine/answer_button.h"

#include <cstdint>

#include "display/question_layout.h"
#include "display/verdict_mark.h"
#include "engine/answer_judging.h"
#include "engine/next_question.h"
#include "engine/question_display.h"
#include "engine/startup.h"
#include "engine/text_number.h"
#include "history/run_journal.h"
#include "input/keypad_keys.h"
#include "sound/play_clip.h"

namespace {

constexpr char kExam[] = "0";
constexpr char kRightVerdict[] = "√";
constexpr char kAttemptGap[] = "      ";
constexpr std::int16_t kRunInProgress = 0;
constexpr std::int16_t kWrongAttemptClip = 104;
constexpr std::int16_t kTryAgainClip = 103;

// True when every term of the question line reads as a number other than 0, so the blank
// holds an entry.
bool entryComplete(const MainForm& form) {
    return integerValueOf(form.Label11.caption()) != 0 &&
           integerValueOf(form.Label13.caption()) != 0 &&
           integerValueOf(form.Label15.caption()) != 0;
}

// Forgets everything typed for the question that was on screen.
void forgetTypedEntry(TrainingState& state) {
    state.typedValue = 0;
    state.typedAnswer.clear();
    state.typedDigitCount = 0;
}

// An exam entry is final: the question is closed and the next one shown.
void submitExamEntry(WindowContext& window) {
    TrainingState& state = window.state;
    state.typedAnswer.clear();
    window.form.Timer2.enabled = false;
    enableAllKeys(window.form, true);
    yyyy(window);
    forgetTypedEntry(state);
    state.questionSeconds = 0;
    state.overtimeSeconds = 0;
    state.overtimeBlink.clear();
}

// A right practice entry closes the question; yyyy judges it again, so the first count is
// taken back and the question is counted right once.
void closeRightPracticeEntry(WindowContext& window) {
    TrainingState& state = window.state;
    state.typedAnswer.clear();
    window.form.Timer2.enabled = false;
    enableAllKeys(window.form, true);
    --state.rightCount;
    yyyy(window);
    state.typedDigitCount = 0;
    state.questionSeconds = 0;
}

// A wrong practice entry is logged as an attempt line and the same question is put back;
// the question timer runs on.
void retryWrongPracticeEntry(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    journalPracticeAttempt(window);
    showVerdict(window, false, true);
    if (soundCuesOn(window)) playClip(window, kWrongAttemptClip);
    ++state.practiceWrongCount;
    state.practiceWrongTag = "练习时答错" + plainNumber(state.practiceWrongCount) + "次";
    const std::string questionNumberText = plainNumber(state.answeredCount + 1);
    form.List1.addItem("*" + questionNumberText + ")" + state.correctionPrefix +
                       form.Label11.caption() + form.Label12.caption() + form.Label13.caption() +
                       form.Label14.caption() + form.Label15.caption() + kAttemptGap +
                       state.lastVerdict);
    form.List1.showLinesFrom(form.List1.items.size() - 1);
    form.moveFocus(form.Command3);
    restoreBlank(window);
    aaa(window);
    forgetTypedEntry(state);
    enableAllKeys(form, true);
    if (soundCuesOn(window)) playClip(window, kTryAgainClip);
}

// Clears what was typed and lays out the question now on screen; after the last question
// nothing is laid out again, so the report stays on view.
void clearEntryAndLayOut(WindowContext& window) {
    MainForm& form = window.form;
    for (Element* box : {&form.Labe1, &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5}) {
        box->setCaption("");
    }
    window.state.typedValue = 0;
    form.Label17.setCaption("");
    if (window.state.remainingCount <= 0) return;
    restoreBlank(window);
    aaa(window);
}

}  // namespace

void Command3_Click(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.appState != kRunInProgress) {
        closeMainWindow(window);
        return;
    }
    if (!entryComplete(window.form)) {
        window.form.Command3.enabled = false;
        return;
    }
    if (state.examMode == kExam) {
        submitExamEntry(window);
    } else {
        pddc(window);
        if (state.lastVerdict == kRightVerdict) {
            closeRightPracticeEntry(window);
        } else {
            retryWrongPracticeEntry(window);
        }
    }
    clearEntryAndLayOut(window);
}
