#include "engine/next_question.h"

#include "display/abacus_board.h"
#include "display/verdict_mark.h"
#include "engine/answer_judging.h"
#include "engine/question_display.h"
#include "engine/question_generator.h"
#include "engine/result_report.h"
#include "engine/scoring.h"
#include "engine/text_number.h"
#include "engine/time_bar.h"
#include "history/run_journal.h"
#include "input/keypad_keys.h"

namespace {

// Counts the question as answered and shows the two counters.
void countAnswered(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    ++state.answeredCount;
    state.remainingCount = static_cast<std::int16_t>(state.questionTotal - state.answeredCount);
    form.Label25.setCaption(plainNumber(state.remainingCount));
    state.answeredText = plainNumber(state.answeredCount);
    form.Label32.setCaption(state.answeredText);
}

// A new question starts with nothing typed, an empty time bar and no overtime warning.
void startCleanEntry(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    state.typedValue = 0;
    state.typedAnswer.clear();
    state.typedDigitCount = 0;
    for (Element* box : {&form.Labe1, &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5}) {
        box->setCaption("");
    }
    form.Label17.setCaption("");
    form.Shape2.width = 0;
    form.Shape2.visible = true;
    form.Label8.visible = false;
}

}  // namespace

void yyyy(WindowContext& window) {
    MainForm& form = window.form;
    countAnswered(window);
    pddc(window);
    journalClosedQuestion(window);
    updateScore(window);
    appendRecordLine(window);
    showVerdict(window, window.state.lastVerdict == "√", false);
    playVerdictClip(window);
    if (window.state.remainingCount <= 0) {
        form.Timer1.enabled = false;
        form.Timer2.enabled = false;
        zz(window);
    } else {
        form.Timer2.startTimer(kQuestionTimerInterval);
        startCleanEntry(window);
        drawNextQuestion(window);
        showQuestion(window);
        zmt(window);
    }
    enableAllKeys(form, true);
    form.Command3.enabled = false;
}
