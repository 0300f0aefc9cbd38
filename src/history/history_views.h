#pragma once
// What the history windows show, computed from the stored runs: the table of runs, the
// score lines of the plot, a month of the calendar and the wrong-question book.

#include <array>
#include <string>
#include <vector>

#include "model/history_records.h"

// One row of the runs table, every cell as shown.
struct HistoryTableRow {
    std::string date;  // "2026-12-08 09:05"
    std::string kind;  // "考试" or "练习"
    std::string mode;
    std::string digits;
    std::string completion;  // "5/5", or "3/5 中止" for a stopped run
    std::string score;       // an exam's score, a practice run's first-try share as "60%"
    std::string timeUsed;    // "0:01:23"
};

// One day of a mode's score line: the mean score of that day's finished runs; or one
// stopped run, which stays out of the means.
struct ScorePoint {
    int day = 0;  // days since 1970-01-01
    double score = 0;
};

struct ScoreLine {
    std::string mode;
    std::vector<ScorePoint> points;   // oldest day first
    std::vector<ScorePoint> stopped;  // the stopped runs, oldest first
};

// The figure a run is judged by: an exam's score, a practice run's share of questions right
// at the first try, in per cent of its questions.
int shownScore(const StoredRun& run);
// True for a run stopped with "中  止" before its last question.
bool wasStopped(const StoredRun& run);
// Every day with a run on the plot's date axis, thinned to at most `most` labels spread
// evenly, first and last day kept.
std::vector<int> dateAxisDays(const std::vector<ScoreLine>& lines, int most);

struct DayFigures {
    int runs = 0;
    int questions = 0;      // questions answered in the runs
    int chains = 0;         // the practice room's flashed and read-aloud chains
    int beadQuestions = 0;  // the bead drill's questions
    int levelTests = 0;
    // True when anything at all was practised that day.
    bool practised() const { return runs + chains + beadQuestions + levelTests > 0; }
};

// A month of practice: index 1..31 by day of the month, and the month's totals.
struct MonthFigures {
    std::array<DayFigures, 32> days{};
    int runs = 0;
    int questions = 0;
    int chains = 0;
    int beadQuestions = 0;
    int levelTests = 0;
    int levelQuestions = 0;  // the questions of the level tests' items
    int practisedDays = 0;
    // Everything practised in the month: runs, chains, bead questions and level tests.
    int records() const { return runs + chains + beadQuestions + levelTests; }
    // Every question asked in the month: the runs', the chains, the bead questions and the
    // level tests'.
    int allQuestions() const { return questions + chains + beadQuestions + levelQuestions; }
};

std::vector<HistoryTableRow> historyTableRows(const std::vector<StoredRun>& runs);
// One line per mode and kind, exam scores and practice first-try shares apart ("+- 考试",
// "+- 练习"), in the order they were first practised.
// The runs are given newest first, as the store reads them.
std::vector<ScoreLine> scoreLines(const std::vector<StoredRun>& runs);
MonthFigures monthFigures(const std::vector<StoredRun>& runs, int year, int month);
// The month's runs with the practice room's chains and bead questions of `learner` and the
// level tests beside them, each counted on its own day.
MonthFigures monthFigures(const std::vector<StoredRun>& runs,
                          const std::vector<StoredDrill>& drills,
                          const std::vector<StoredLevelTest>& levelTests,
                          const std::string& learner, int year, int month);
// The practice room's work of `learner` and the level tests on the day `date`, one line each,
// earliest first: "10:00:00  闪电心算  25+13-7  答31 √", a wrong chain with its right total
// "10:01:00  闪电心算  2+4+7+9+7=29  答20 ×", "09:05:00  等级考试  十级  通过".
std::vector<std::string> roomWorkOnDayLines(const std::vector<StoredDrill>& drills,
                                            const std::vector<StoredLevelTest>& levelTests,
                                            const std::string& learner, const std::string& date);
// The runs of the day `date` ("2026-12-08"), one line each, earliest first.
std::vector<std::string> runsOnDayLines(const std::vector<StoredRun>& runs,
                                        const std::string& date);
// The wrong-question book: a line per question with where it was answered (考试, 练习, or
// 等级考试 with the level), the entry and the right answer.
std::vector<std::string> wrongQuestionBook(const std::vector<WrongQuestion>& wrong);
// One row of the level tests' table, every cell as shown.
struct LevelTestRow {
    std::string date;            // "2026-12-08 09:05"
    std::string level;           // "六级"
    std::string addition;        // right answers of 加减算 as "8/10"
    std::string multiplication;  // of 乘算 as "9/10"; empty below 六级
    std::string verdict;         // "通过" or "未通过"
    bool operator==(const LevelTestRow&) const = default;
};

// The column headers of the level tests' table.
inline constexpr const char* kLevelTestHeaders[] = {"日期", "等级", "加减算", "乘算", "结果"};

// The level tests, one row each, newest first; the tests are given in the order stored.
std::vector<LevelTestRow> levelTestRows(const std::vector<StoredLevelTest>& tests);
// The history window's pages of a learner's own records.
enum class RecordPage { Runs, LevelTests, Drills };
// The page that holds the learner's newest record of any kind (its date and time); the runs'
// page when there is none. `runs` and `levelTests` are the learner's, `drills` everyone's.
RecordPage newestRecordPage(const std::vector<StoredRun>& runs,
                            const std::vector<StoredLevelTest>& levelTests,
                            const std::vector<StoredDrill>& drills, const std::string& learner);
// The question with its blank shown empty, as it was asked: "35+(  )=47".
std::string askedQuestion(const StoredQuestion& question);
// The days since 1970-01-01 of a date "2026-12-08"; 0 for a text that is no date.
int dayNumber(const std::string& date);
// The date "2026-12-08" of a day number.
std::string dateOfDay(int day);
