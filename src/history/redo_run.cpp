#include "history/redo_run.h"

#include <algorithm>
#include <set>
#include <string>

#include "engine/run_button.h"
#include "engine/startup.h"
#include "engine/text_number.h"
#include "history/history_views.h"
#include "history/learner_names.h"
#include "history/redo_questions.h"

namespace {

constexpr char kRunOn[] = "1";
constexpr char kEmptyBook[] = "错题本里没有要重做的题目。";
constexpr char kLevelQuestionsOnly[] =
    "错题本里只有等级考试的错题，请在练习室的“等级考试”里按“重做错题”。";
constexpr char kRunGoesOn[] = "请等这一轮答题结束后再重做错题。";

// Gives the run as many questions as it asks of the book, at most the chosen number.
void fitRunToBook(WindowContext& window, std::size_t bookQuestions) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    const auto total = static_cast<std::int16_t>(std::min<std::size_t>(
        static_cast<std::size_t>(std::max<int>(state.questionTotal, 1)), bookQuestions));
    state.questionTotal = total;
    state.remainingCount = total;
    form.Label4.setCaption(plainNumber(total));
    form.Label25.setCaption(plainNumber(total));
    window.runJournal.run.questionCount = total;
    const auto waiting = static_cast<std::size_t>(total - 1);
    if (window.redoQuestions.size() > waiting) window.redoQuestions.resize(waiting);
}

}  // namespace

std::vector<StoredQuestion> questionsToRedo(const std::vector<WrongQuestion>& book) {
    std::vector<StoredQuestion> questions;
    std::set<std::string> asked;
    for (const WrongQuestion& entry : book) {
        if (entry.level >= 0) continue;
        const std::string key = askedQuestion(entry.question) + "=" + entry.question.rightAnswer;
        if (asked.insert(key).second) questions.push_back(entry.question);
    }
    return questions;
}

void startRedoRun(WindowContext& window) {
    TrainingState& state = window.state;
    if (state.runActive == kRunOn) {
        window.services.dialogs.inform(kRunGoesOn);
        return;
    }
    const std::string learner = keptLearnerName(state, window.form.Text1.caption());
    const std::vector<WrongQuestion> book = window.services.history.wrongQuestionsOf(learner);
    std::vector<StoredQuestion> questions = questionsToRedo(book);
    if (questions.empty()) {
        window.services.dialogs.inform(book.empty() ? kEmptyBook : kLevelQuestionsOnly);
        return;
    }
    if (!window.form.Text1.enabled || !window.form.Command4.enabled) returnToIdle(window);
    const std::size_t bookQuestions = questions.size();
    window.redoQuestions = std::move(questions);
    Command4_Click(window);
    if (state.runActive != kRunOn) {
        endRedoQuestions(window);
        return;
    }
    fitRunToBook(window, bookQuestions);
}
