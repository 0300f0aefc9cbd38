#include "replay_history_printer.h"

#include "history/history_views.h"
#include "history/learner_names.h"
#include "levels/level_table.h"
#include "replay_printer.h"

namespace {

// The fields joined by tabs, each on one line; an empty field still takes its place.
std::string joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += '\t';
        line += oneLine(fields[i]);
    }
    return line;
}

// A closed question: asked question, entry, verdict and any practice attempts in brackets.
std::string describeQuestion(const StoredQuestion& question) {
    std::string text = askedQuestion(question) + " " + question.typedAnswer +
                       (question.right ? "√" : "×" + question.rightAnswer);
    if (!question.practiceAttempts.empty()) {
        text += " [";
        for (std::size_t i = 0; i < question.practiceAttempts.size(); ++i) {
            text += (i == 0 ? "" : ",") + question.practiceAttempts[i];
        }
        text += "]";
    }
    return text;
}

// The questions of a run, joined by "; ".
std::string describeQuestions(const std::vector<StoredQuestion>& questions) {
    std::string text;
    for (const StoredQuestion& question : questions) {
        if (!text.empty()) text += "; ";
        text += describeQuestion(question);
    }
    return text;
}

}  // namespace

std::vector<std::string> describeHistory(HistoryStore& store) {
    std::vector<StoredRun> runs = store.allRuns();
    for (StoredRun& run : runs) run.questions = store.questionsOf(run.id);
    return describeHistory(runs);
}

std::vector<std::string> describeHistory(const std::vector<StoredRun>& runs) {
    std::vector<std::string> lines{"history " + std::to_string(runs.size())};
    for (const StoredRun& run : runs) {
        lines.push_back(
            joined({run.learner, run.startDate, run.startTime, run.mode, std::to_string(run.digits),
                    std::to_string(run.questionCount), std::to_string(run.secondsPerQuestion),
                    run.exam ? "考试" : "练习", run.layout, run.fillIn ? "填空" : "正常",
                    std::to_string(run.answered), std::to_string(run.right),
                    std::to_string(run.wrong), std::to_string(run.score),
                    std::to_string(run.secondsUsed), describeQuestions(run.questions)}));
    }
    return lines;
}

std::vector<std::string> describePapers(HistoryStore& store) {
    const std::vector<StoredPaper> papers = store.allPapers();
    std::vector<std::string> lines{"papers " + std::to_string(papers.size())};
    for (const StoredPaper& paper : papers) {
        lines.push_back(
            joined({paper.learner, std::to_string(paper.number), paper.date, paper.time, paper.mode,
                    std::to_string(paper.digits), std::to_string(paper.questionCount),
                    paper.exam ? "考试" : "练习", paper.layout, paper.fillIn ? "填空" : "正常"}));
    }
    return lines;
}

std::vector<std::string> describeDrills(HistoryStore& store) {
    return describeDrills(store.allDrills());
}

std::vector<std::string> describeDrills(const std::vector<StoredDrill>& drills) {
    std::vector<std::string> lines{"drills " + std::to_string(drills.size())};
    for (const StoredDrill& drill : drills) {
        std::vector<std::string> fields{drill.learner,
                                        drill.date,
                                        drill.time,
                                        drill.kind,
                                        std::to_string(drill.digits),
                                        std::to_string(drill.terms),
                                        drill.secondsPerNumber,
                                        drill.mix,
                                        drill.view,
                                        drill.chain,
                                        drill.stopped ? "中止" : drill.answer,
                                        drill.right ? "1" : "0",
                                        std::to_string(drill.secondsUsed)};
        if (!drill.rhymeGroup.empty()) {
            fields.push_back(drill.rhymeGroup);
            fields.push_back(std::to_string(drill.wrongClicks));
        }
        lines.push_back(joined(fields));
    }
    return lines;
}

std::vector<std::string> describeLevelTests(HistoryStore& store) {
    return describeLevelTests(store.levelTests(""));
}

std::vector<std::string> describeLevelTests(const std::vector<StoredLevelTest>& tests) {
    std::vector<std::string> lines{"levels " + std::to_string(tests.size())};
    for (const StoredLevelTest& test : tests) {
        std::vector<std::string> fields{test.learner, test.date, test.time,
                                        levelRow(test.level).caption};
        const char* const kItems[] = {"加减", "乘"};
        for (std::size_t item = 0; item < test.rightPerItem.size() && item < 2; ++item) {
            fields.push_back(kItems[item] + std::to_string(test.rightPerItem[item]));
        }
        fields.push_back(test.passed ? "1" : "0");
        lines.push_back(joined(fields));
    }
    return lines;
}

std::vector<std::string> describeLearners(HistoryStore& store) {
    const std::vector<LearnerSummary> learners = store.learners();
    std::vector<std::string> lines{"learners " + std::to_string(learners.size())};
    for (const LearnerSummary& learner : learners) {
        lines.push_back(joined({learner.name, learner.lastDate}));
    }
    return lines;
}

std::string describeMenuWindow(MenuWindow which, const std::string& learner,
                               std::size_t savedLines) {
    switch (which) {
        case MenuWindow::History:
            return "history " + oneLine(learner);
        case MenuWindow::Calendar:
            return "calendar " + oneLine(learner);
        case MenuWindow::Learners:
            return "learners " + oneLine(learner);
        case MenuWindow::PrintLevelPaper:
            return "print paper " + std::to_string(savedLines);
        case MenuWindow::JoinClass:
            return "join class";
        case MenuWindow::TeacherLogin:
            return "teacher login";
        case MenuWindow::SaveRecordList:
            break;
    }
    return "save " + std::to_string(savedLines);
}

std::vector<std::string> describeBook(const WindowContext& window, HistoryStore& store) {
    const std::string learner = keptLearnerName(window.state, window.form.Text1.caption());
    return describeBook(store.wrongQuestionsOf(learner));
}

std::vector<std::string> describeBook(const std::vector<WrongQuestion>& wrong) {
    const std::vector<std::string> book = wrongQuestionBook(wrong);
    std::vector<std::string> lines{"book " + std::to_string(book.size())};
    lines.insert(lines.end(), book.begin(), book.end());
    return lines;
}

std::vector<std::string> describeRunsTable(const WindowContext& window, HistoryStore& store) {
    const std::string learner = keptLearnerName(window.state, window.form.Text1.caption());
    const std::vector<HistoryTableRow> rows = historyTableRows(store.runsOf(learner));
    std::vector<std::string> lines{"table " + std::to_string(rows.size())};
    for (const HistoryTableRow& row : rows) {
        lines.push_back(joined(
            {row.date, row.kind, row.mode, row.digits, row.completion, row.score, row.timeUsed}));
    }
    return lines;
}
