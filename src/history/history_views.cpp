#include "history/history_views.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "engine/clock_text.h"
#include "engine/text_number.h"
#include "history/drill_views.h"
#include "levels/level_table.h"

namespace {

constexpr std::int16_t kResultBlank = 1;
constexpr std::int16_t kSecondTermBlank = 2;
constexpr char kBlank[] = "(  )";
constexpr char kExamWord[] = "考试";
constexpr char kPracticeWord[] = "练习";
constexpr char kStoppedWord[] = "中止";
const std::string kLevelTestWord = "等级考试 ";

}  // namespace

std::string askedQuestion(const StoredQuestion& question) {
    const bool first =
        question.blankPosition != kResultBlank && question.blankPosition != kSecondTermBlank;
    return (first ? kBlank : question.firstTerm) + question.operatorSign +
           (question.blankPosition == kSecondTermBlank ? kBlank : question.secondTerm) + "=" +
           (question.blankPosition == kResultBlank ? kBlank : question.resultTerm);
}

namespace {

// The year, month and day of a date text, if it is one.
std::optional<std::chrono::year_month_day> parsedDate(const std::string& date) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (std::sscanf(date.c_str(), "%4d-%2u-%2u", &year, &month, &day) != 3) return std::nullopt;
    const std::chrono::year_month_day parsed{std::chrono::year(year), std::chrono::month(month),
                                             std::chrono::day(day)};
    if (!parsed.ok()) return std::nullopt;
    return parsed;
}

}  // namespace

int dayNumber(const std::string& date) {
    const auto parsed = parsedDate(date);
    if (!parsed) return 0;
    return std::chrono::sys_days(*parsed).time_since_epoch().count();
}

std::string dateOfDay(int day) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(day))};
    char text[16] = {};
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

bool wasStopped(const StoredRun& run) { return run.answered < run.questionCount; }

int shownScore(const StoredRun& run) {
    if (run.exam) return run.score;
    if (run.questionCount <= 0) return 0;
    return static_cast<int>(
        roundHalfEven(100.0 * run.firstTryRight / static_cast<double>(run.questionCount)));
}

std::vector<HistoryTableRow> historyTableRows(const std::vector<StoredRun>& runs) {
    std::vector<HistoryTableRow> rows;
    rows.reserve(runs.size());
    for (const StoredRun& run : runs) {
        std::string completion = plainNumber(run.answered) + "/" + plainNumber(run.questionCount);
        if (wasStopped(run)) completion += " " + std::string(kStoppedWord);
        rows.push_back({run.startDate + " " + run.startTime.substr(0, 5),
                        run.exam ? kExamWord : kPracticeWord, run.mode, plainNumber(run.digits),
                        completion, plainNumber(shownScore(run)) + (run.exam ? "" : "%"),
                        timeOfDayText(run.secondsUsed)});
    }
    return rows;
}

std::vector<ScoreLine> scoreLines(const std::vector<StoredRun>& runs) {
    std::vector<std::string> modes;
    std::map<std::string, std::map<int, std::pair<double, int>>> sums;
    std::map<std::string, std::vector<ScorePoint>> stopped;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (!parsedDate(run->startDate)) continue;
        const int day = dayNumber(run->startDate);
        const std::string series = run->mode + " " + (run->exam ? kExamWord : kPracticeWord);
        if (std::find(modes.begin(), modes.end(), series) == modes.end()) {
            modes.push_back(series);
        }
        if (wasStopped(*run)) {
            stopped[series].push_back({day, static_cast<double>(shownScore(*run))});
            continue;
        }
        auto& [total, count] = sums[series][day];
        total += shownScore(*run);
        ++count;
    }
    std::vector<ScoreLine> lines;
    for (const std::string& mode : modes) {
        ScoreLine line{mode, {}, std::move(stopped[mode])};
        for (const auto& [day, sum] : sums[mode]) {
            line.points.push_back({day, sum.first / sum.second});
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<int> dateAxisDays(const std::vector<ScoreLine>& lines, int most) {
    std::set<int> days;
    for (const ScoreLine& line : lines) {
        for (const ScorePoint& point : line.points) days.insert(point.day);
        for (const ScorePoint& point : line.stopped) days.insert(point.day);
    }
    const std::vector<int> every(days.begin(), days.end());
    if (most <= 0) return {};
    if (static_cast<int>(every.size()) <= most) return every;
    if (most == 1) return {every.front()};
    std::vector<int> thinned;
    const double step = static_cast<double>(every.size() - 1) / (most - 1);
    for (int i = 0; i < most; ++i) {
        thinned.push_back(every[static_cast<std::size_t>(std::lround(i * step))]);
    }
    return thinned;
}

MonthFigures monthFigures(const std::vector<StoredRun>& runs, int year, int month) {
    MonthFigures figures;
    for (const StoredRun& run : runs) {
        const auto date = parsedDate(run.startDate);
        if (!date || static_cast<int>(date->year()) != year ||
            static_cast<unsigned>(date->month()) != static_cast<unsigned>(month)) {
            continue;
        }
        DayFigures& day = figures.days[static_cast<unsigned>(date->day())];
        if (day.runs == 0) ++figures.practisedDays;
        ++day.runs;
        day.questions += run.answered;
        ++figures.runs;
        figures.questions += run.answered;
    }
    return figures;
}

namespace {

// The figures of the day `date` in the month on view, or nullptr when it lies outside it.
DayFigures* dayIn(MonthFigures& figures, const std::string& date, int year, int month) {
    const auto parsed = parsedDate(date);
    if (!parsed || static_cast<int>(parsed->year()) != year ||
        static_cast<unsigned>(parsed->month()) != static_cast<unsigned>(month)) {
        return nullptr;
    }
    return &figures.days[static_cast<unsigned>(parsed->day())];
}

}  // namespace

MonthFigures monthFigures(const std::vector<StoredRun>& runs,
                          const std::vector<StoredDrill>& drills,
                          const std::vector<StoredLevelTest>& levelTests,
                          const std::string& learner, int year, int month) {
    MonthFigures figures = monthFigures(runs, year, month);
    const auto count = [&](const std::string& date, int DayFigures::*field,
                           int MonthFigures::*total) {
        DayFigures* day = dayIn(figures, date, year, month);
        if (day == nullptr) return;
        if (!day->practised()) ++figures.practisedDays;
        ++(day->*field);
        ++(figures.*total);
    };
    for (const StoredDrill& drill : drills) {
        if (drill.learner != learner) continue;
        if (drill.rhymeGroup.empty()) {
            count(drill.date, &DayFigures::chains, &MonthFigures::chains);
        } else {
            count(drill.date, &DayFigures::beadQuestions, &MonthFigures::beadQuestions);
        }
    }
    for (const StoredLevelTest& test : levelTests) {
        if (test.learner != learner || dayIn(figures, test.date, year, month) == nullptr) continue;
        count(test.date, &DayFigures::levelTests, &MonthFigures::levelTests);
        figures.levelQuestions += static_cast<int>(test.rightPerItem.size()) * kQuestionsPerItem;
    }
    return figures;
}

std::vector<std::string> roomWorkOnDayLines(const std::vector<StoredDrill>& drills,
                                            const std::vector<StoredLevelTest>& levelTests,
                                            const std::string& learner, const std::string& date) {
    std::vector<std::pair<std::string, std::string>> timed;
    for (const StoredDrill& drill : drills) {
        if (drill.learner != learner || drill.date != date) continue;
        std::string line = drill.time + "  " + drill.kind + "  " + drill.chain;
        const std::optional<long long> total = chainTotal(drill.chain);
        if (!drill.stopped && !drill.right && drill.rhymeGroup.empty() && total) {
            line += "=" + std::to_string(*total);
        }
        line += "  ";
        if (drill.stopped) {
            line += kStoppedWord;
        } else {
            line += (drill.rhymeGroup.empty() ? "答" + drill.answer
                                              : "错" + plainNumber(drill.wrongClicks) + "次") +
                    (drill.right ? " √" : " ×");
        }
        timed.emplace_back(drill.time, line);
    }
    for (const StoredLevelTest& test : levelTests) {
        if (test.learner != learner || test.date != date) continue;
        const std::string level = test.level >= 0 && test.level < kLevelCount
                                      ? levelRow(test.level).caption
                                      : std::string("?");
        timed.emplace_back(
            test.time, test.time + "  等级考试  " + level + (test.passed ? "  通过" : "  未通过"));
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    for (auto& [time, line] : timed) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> runsOnDayLines(const std::vector<StoredRun>& runs,
                                        const std::string& date) {
    std::vector<std::string> lines;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->startDate != date) continue;
        lines.push_back(run->startTime + "  " + run->mode + "  " + plainNumber(run->digits) +
                        "位  " + (run->exam ? "考试" : "练习") + "  答题" +
                        plainNumber(run->answered) + "/" + plainNumber(run->questionCount) +
                        "道  得分" + plainNumber(run->score) + "  用时" +
                        timeOfDayText(run->secondsUsed));
    }
    return lines;
}

std::vector<std::string> wrongQuestionBook(const std::vector<WrongQuestion>& wrong) {
    std::vector<std::string> lines;
    lines.reserve(wrong.size());
    for (const WrongQuestion& entry : wrong) {
        const StoredQuestion& question = entry.question;
        const std::string typed = question.typedAnswer.empty() || question.typedAnswer == kBlank
                                      ? std::string("未答")
                                      : question.typedAnswer;
        std::string tries;
        for (const std::string& attempt : question.practiceAttempts) {
            tries += (tries.empty() ? "" : "、") + attempt;
        }
        const std::string source = entry.level >= 0 && entry.level < kLevelCount
                                       ? kLevelTestWord + levelRow(entry.level).caption
                                   : entry.exam ? kExamWord
                                                : kPracticeWord;
        lines.push_back(entry.date + "  " + source + "  " + askedQuestion(question) +
                        (entry.exam ? "  你的答案：" + typed : "  答错过：" + tries) +
                        "  正确答案：" + question.rightAnswer);
    }
    return lines;
}

std::vector<LevelTestRow> levelTestRows(const std::vector<StoredLevelTest>& tests) {
    std::vector<LevelTestRow> rows;
    for (auto test = tests.rbegin(); test != tests.rend(); ++test) {
        LevelTestRow row;
        row.date = test->date + " " + test->time.substr(0, 5);
        row.level = test->level >= 0 && test->level < kLevelCount ? levelRow(test->level).caption
                                                                  : std::string("?");
        const auto itemCell = [&](std::size_t item) {
            return item < test->rightPerItem.size() ? plainNumber(test->rightPerItem[item]) + "/" +
                                                          plainNumber(kQuestionsPerItem)
                                                    : std::string();
        };
        row.addition = itemCell(0);
        row.multiplication = itemCell(1);
        row.verdict = test->passed ? "通过" : "未通过";
        rows.push_back(std::move(row));
    }
    return rows;
}

RecordPage newestRecordPage(const std::vector<StoredRun>& runs,
                            const std::vector<StoredLevelTest>& levelTests,
                            const std::vector<StoredDrill>& drills, const std::string& learner) {
    RecordPage page = RecordPage::Runs;
    std::string newest;
    const auto consider = [&](const std::string& date, const std::string& time, RecordPage on) {
        const std::string moment = date + " " + time;
        if (moment > newest) {
            newest = moment;
            page = on;
        }
    };
    for (const StoredRun& run : runs) consider(run.startDate, run.startTime, RecordPage::Runs);
    for (const StoredLevelTest& test : levelTests) {
        consider(test.date, test.time, RecordPage::LevelTests);
    }
    for (const StoredDrill& drill : drills) {
        if (drill.learner == learner) consider(drill.date, drill.time, RecordPage::Drills);
    }
    return page;
}
