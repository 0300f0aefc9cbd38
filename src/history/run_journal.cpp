#include "history/run_journal.h"

#include <tuple>
#include <utility>

#include "engine/answer_judging.h"
#include "engine/text_number.h"
#include "history/learner_names.h"
#include "history/stored_moment.h"

namespace {

constexpr char kExam[] = "0";
constexpr char kFillIn[] = "填  空";
constexpr char kRightVerdict[] = "√";
constexpr std::int16_t kResultBlank = 1;
constexpr std::int16_t kSecondTermBlank = 2;
constexpr char kRunNotKept[] = "这次的答题记录没能保存";
constexpr char kRunStillShown[] = "，记录仍显示在屏幕上，已有的学习记录没有改变。";
constexpr char kPaperNotKept[] = "这份试卷的记录没能保存";
constexpr char kPaperStillShown[] = "，试卷仍显示在屏幕上，已有的学习记录没有改变。";
constexpr char kDrillNotKept[] = "这一题的练习记录没能保存";
constexpr char kLevelTestNotKept[] = "这次等级考试的记录没能保存";
constexpr char kDrillStillKept[] = "，已有的学习记录没有改变。";
constexpr char kDiskFull[] = "（磁盘已满）";
constexpr char kFileHeld[] = "（另一个童趣星一直在使用学习记录文件）";
constexpr char kWriteFailed[] = "（无法写入学习记录文件）";

// The text without the blanks around it.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text the blank held when pddc judged it.
const std::string& judgedBlank(const TrainingState& state) {
    switch (state.blankPosition) {
        case kResultBlank:
            return state.judgedResultText;
        case kSecondTermBlank:
            return state.judgedSecondText;
        default:
            return state.judgedFirstText;
    }
}

// The cause of a failed write in brackets.
std::string causeOf(StoreOutcome outcome) {
    switch (outcome) {
        case StoreOutcome::Full:
            return kDiskFull;
        case StoreOutcome::Busy:
            return kFileHeld;
        default:
            return kWriteFailed;
    }
}

// True for the outcomes of a write that failed; a missing store was already explained when
// it could not open, and a queued write is told of later.
bool isFailure(StoreOutcome outcome) {
    return outcome == StoreOutcome::Busy || outcome == StoreOutcome::Full ||
           outcome == StoreOutcome::Failed;
}

// Says that a write failed and why.
void reportOutcome(WindowContext& window, WriteKind kind, StoreOutcome outcome) {
    if (isFailure(outcome)) window.services.dialogs.inform(notKeptText(kind, outcome));
}

}  // namespace

void beginRunJournal(WindowContext& window) {
    const TrainingState& state = window.state;
    const MainForm& form = window.form;
    window.runJournal = RunJournal{};
    StoredRun& run = window.runJournal.run;
    run.learner = keptLearnerName(state, state.learnerName);
    std::tie(run.startDate, run.startTime) = sortableMoment(window.services.clock.now());
    run.questionCount = state.questionTotal;
    run.secondsPerQuestion = state.secondsPerQuestion;
    run.exam = state.examMode == kExam;
    run.layout = form.Command8.caption();
    run.fillIn = form.Command6.caption() == kFillIn;
}

void journalClosedQuestion(WindowContext& window) {
    TrainingState& state = window.state;
    StoredQuestion question;
    question.firstTerm = trimmed(state.judgedFirstText);
    question.operatorSign = state.currentOperator;
    question.secondTerm = trimmed(state.judgedSecondText);
    question.resultTerm = trimmed(state.judgedResultText);
    question.blankPosition = state.blankPosition;
    question.typedAnswer = trimmed(judgedBlank(state));
    question.right = state.lastVerdict == kRightVerdict;
    question.rightAnswer =
        question.right ? question.typedAnswer : plainNumber(expectedBlankValue(state));
    question.practiceAttempts = std::move(window.runJournal.openQuestionAttempts);
    window.runJournal.openQuestionAttempts.clear();
    if (window.redoAsked && question.right && question.practiceAttempts.empty()) {
        window.services.history.takeOutOfBook(window.runJournal.run.learner, *window.redoAsked);
    }
    window.runJournal.run.questions.push_back(std::move(question));
}

void journalPracticeAttempt(WindowContext& window) {
    window.runJournal.openQuestionAttempts.push_back(trimmed(judgedBlank(window.state)));
}

void keepRun(WindowContext& window) {
    const TrainingState& state = window.state;
    StoredRun& run = window.runJournal.run;
    run.mode = state.modeOperators;  // read by the question drawing, after the run started
    run.digits = state.digitsIndex + 1;
    run.answered = state.answeredCount;
    run.right = state.rightCount;
    run.wrong = state.wrongCount;
    run.score = state.score;
    run.secondsUsed = state.elapsedTime;
    const StoreOutcome outcome = window.services.history.storeRun(run);
    window.runJournal = RunJournal{};
    reportOutcome(window, WriteKind::Run, outcome);
}

void keepPaper(WindowContext& window) {
    const TrainingState& state = window.state;
    const MainForm& form = window.form;
    StoredPaper paper;
    paper.learner = keptLearnerName(state, state.learnerName);
    paper.number = state.runNumber;
    std::tie(paper.date, paper.time) = sortableMoment(window.services.clock.now());
    paper.mode = state.modeOperators;
    paper.digits = state.digitsIndex + 1;
    paper.questionCount = state.questionTotal;
    paper.exam = state.examMode == kExam;
    paper.layout = form.Command8.caption();
    paper.fillIn = form.Command6.caption() == kFillIn;
    reportOutcome(window, WriteKind::Paper, window.services.history.storePaper(paper));
}

std::string notKeptText(WriteKind kind, StoreOutcome outcome) {
    switch (kind) {
        case WriteKind::Run:
            return kRunNotKept + causeOf(outcome) + kRunStillShown;
        case WriteKind::Paper:
            return kPaperNotKept + causeOf(outcome) + kPaperStillShown;
        case WriteKind::Drill:
            return kDrillNotKept + causeOf(outcome) + kDrillStillKept;
        case WriteKind::LevelTest:
            return kLevelTestNotKept + causeOf(outcome) + kDrillStillKept;
        case WriteKind::Setting:
        case WriteKind::BookMark:
            break;
    }
    return {};
}

void reportLateOutcome(WindowContext& window, const LateOutcome& late) {
    const std::string text = notKeptText(late.kind, late.outcome);
    if (!text.empty()) window.services.dialogs.inform(text);
}
