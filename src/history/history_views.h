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
    std::string mode;
    std::string digits;
    std::string count;
    std::string score;
    std::string timeUsed;  // "0:01:23"
};

// One day of a mode's score line: the mean score of that day's runs.
struct ScorePoint {
    int day = 0;  // days since 1970-01-01
    double score = 0;
};

struct ScoreLine {
    std::string mode;
    std::vector<ScorePoint> points;  // oldest day first
};

struct DayFigures {
    int runs = 0;
    int questions = 0;  // questions answered
};

// A month of practice: index 1..31 by day of the month, and the month's totals.
struct MonthFigures {
    std::array<DayFigures, 32> days{};
    int runs = 0;
    int questions = 0;
    int practisedDays = 0;
};

std::vector<HistoryTableRow> historyTableRows(const std::vector<StoredRun>& runs);
// One line per mode, in the order the modes were first practised.
// The runs are given newest first, as the store reads them.
std::vector<ScoreLine> scoreLines(const std::vector<StoredRun>& runs);
MonthFigures monthFigures(const std::vector<StoredRun>& runs, int year, int month);
// The runs of the day `date` ("2026-12-08"), one line each, earliest first.
std::vector<std::string> runsOnDayLines(const std::vector<StoredRun>& runs,
                                        const std::string& date);
// The wrong-question book: a line per question with the entry and the right answer.
std::vector<std::string> wrongQuestionBook(const std::vector<WrongQuestion>& wrong);
// The level tests, one line each, newest first: "2026-12-08 09:05  六级  加减8 乘9  通过".
// The tests are given in the order stored.
std::vector<std::string> levelTestLines(const std::vector<StoredLevelTest>& tests);
// The question with its blank shown empty, as it was asked: "35+(  )=47".
std::string askedQuestion(const StoredQuestion& question);
// The days since 1970-01-01 of a date "2026-12-08"; 0 for a text that is no date.
int dayNumber(const std::string& date);
// The date "2026-12-08" of a day number.
std::string dateOfDay(int day);
