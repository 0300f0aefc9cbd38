// What the history windows show, computed from stored runs.

#include "history/history_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "appearance/colour_scheme.h"
#include "history/calendar_colours.h"
#include "history/history_fixture.h"

namespace {

TEST(HistoryViews, AMonthCountsItsOwnDaysRunsAndAnsweredQuestions) {
    std::vector<StoredRun> runs = {
        sampleRun("a", "2026-12-31", 20), sampleRun("a", "2026-12-08", 5),
        sampleRun("a", "2026-12-08", 10), sampleRun("a", "2026-11-30", 7),
        sampleRun("a", "2025-12-08", 9),  sampleRun("a", "bad date", 3)};
    runs[1].answered = 3;  // a run stopped early counts the questions answered
    const MonthFigures december = monthFigures(runs, 2026, 12);
    EXPECT_EQ(december.runs, 3);
    EXPECT_EQ(december.questions, 20 + 3 + 10);
    EXPECT_EQ(december.practisedDays, 2);
    EXPECT_EQ(december.days[8].runs, 2);
    EXPECT_EQ(december.days[8].questions, 13);
    EXPECT_EQ(december.days[31].runs, 1);
    EXPECT_EQ(december.days[30].runs, 0);
    EXPECT_EQ(monthFigures(runs, 2026, 11).days[30].questions, 7);
    EXPECT_EQ(monthFigures(runs, 2026, 2).runs, 0);
    EXPECT_EQ(runsOnDayLines(runs, "2026-12-08").size(), 2u);

    // The practice room's chains and bead questions and the level tests of the learner count on
    // their own days beside the runs; a day with only those counts as practised.
    StoredDrill chain;
    chain.learner = "a";
    chain.date = "2026-12-08";
    chain.time = "10:00:00";
    chain.kind = "闪电心算";
    chain.chain = "2+4";
    chain.answer = "6";
    chain.right = true;
    StoredDrill bead = chain;
    bead.date = "2026-12-10";
    bead.kind = "拨珠练习";
    bead.rhymeGroup = "直加";
    bead.wrongClicks = 2;
    StoredDrill otherLearners = chain;
    otherLearners.learner = "b";
    const std::vector<StoredDrill> drills = {chain, chain, bead, otherLearners};
    const std::vector<StoredLevelTest> tests = {
        {"a", "2026-12-10", "08:00:00", 0, 10, {9}, true, {}},
        {"a", "2026-11-10", "08:00:00", 0, 10, {3}, false, {}}};
    const MonthFigures all = monthFigures(runs, drills, tests, "a", 2026, 12);
    EXPECT_EQ(all.days[8].runs, 2);
    EXPECT_EQ(all.days[8].chains, 2);
    EXPECT_EQ(all.days[10].beadQuestions, 1);
    EXPECT_EQ(all.days[10].levelTests, 1);
    EXPECT_EQ(all.days[10].runs, 0);
    EXPECT_EQ(all.practisedDays, 3);
    EXPECT_EQ(all.chains, 2);
    EXPECT_EQ(all.levelTests, 1);
    EXPECT_EQ(all.questions, december.questions) << "the runs' own questions stay apart";
    EXPECT_EQ(all.levelQuestions, 10) << "one item of ten; November's test stays out";
    EXPECT_EQ(all.records(), 3 + 2 + 1 + 1) << "the month's total counts every kind";
    EXPECT_EQ(all.allQuestions(), 33 + 2 + 1 + 10);

    // The history window opens on the page of the learner's newest record.
    EXPECT_EQ(newestRecordPage(runs, tests, drills, "a"), RecordPage::Runs) << "12-31 is newest";
    const std::vector<StoredRun> oldRuns = {sampleRun("a", "2026-11-30", 7)};
    EXPECT_EQ(newestRecordPage(oldRuns, tests, drills, "a"), RecordPage::Drills);
    EXPECT_EQ(newestRecordPage({}, tests, {}, "a"), RecordPage::LevelTests);
    EXPECT_EQ(newestRecordPage(oldRuns, tests, drills, "b"), RecordPage::LevelTests)
        << "only the learner's own drills count";
    EXPECT_EQ(newestRecordPage({}, {}, {}, "a"), RecordPage::Runs);
    const std::vector<std::string> tenth = roomWorkOnDayLines(drills, tests, "a", "2026-12-10");
    ASSERT_EQ(tenth.size(), 2u);
    EXPECT_EQ(tenth[0], "08:00:00  等级考试  十级  通过") << "earliest first";
    EXPECT_EQ(tenth[1], "10:00:00  拨珠练习  2+4  错2次 √");
    EXPECT_EQ(roomWorkOnDayLines(drills, tests, "b", "2026-12-08").size(), 1u);

    // A day's runs, read newest first, are listed earliest first.
    runs[1].startTime = "15:30:00";
    runs[2].startTime = "08:10:00";
    const std::vector<std::string> day = runsOnDayLines(runs, "2026-12-08");
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0].substr(0, 8), "08:10:00");
    EXPECT_EQ(day[1].substr(0, 8), "15:30:00");
}

TEST(HistoryViews, ScoreLinesAverageEachDayPerModeOldestFirst) {
    std::vector<StoredRun> runs;  // newest first, as the store reads them
    for (const auto& [date, mode, score] :
         std::vector<std::tuple<std::string, std::string, int>>{{"2026-12-09", "×", 40},
                                                                {"2026-12-08", "+-", 90},
                                                                {"2026-12-08", "+-", 60},
                                                                {"2026-12-01", "+-", 50},
                                                                {"2026-13-40", "+-", 10},
                                                                {"", "×", 0}}) {
        StoredRun run = sampleRun("a", date, 5);
        run.mode = mode;
        run.score = score;
        runs.push_back(run);
    }
    const std::vector<ScoreLine> lines = scoreLines(runs);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].mode, "+- 考试");
    ASSERT_EQ(lines[0].points.size(), 2u);
    EXPECT_EQ(dateOfDay(lines[0].points[0].day), "2026-12-01");
    EXPECT_DOUBLE_EQ(lines[0].points[1].score, 75);
    EXPECT_EQ(lines[0].points[1].day - lines[0].points[0].day, 7);
    EXPECT_EQ(lines[1].mode, "× 考试");
    ASSERT_EQ(lines[1].points.size(), 1u) << "a run with no readable date is not plotted";
    for (const ScoreLine& line : lines) {
        for (const ScorePoint& point : line.points) EXPECT_NE(point.day, 0) << line.mode;
    }
    EXPECT_EQ(dateOfDay(dayNumber("2028-02-29")), "2028-02-29");
}

TEST(HistoryViews, TheWrongQuestionBookShowsTheBlankTheEntryAndTheRightAnswer) {
    StoredQuestion secondBlank{"35", "+", "12", "47", 2, "10", "12", false, {}};
    StoredQuestion unanswered{"6", "×", "7", "(  )", 1, "(  )", "42", false, {}};
    StoredQuestion timedOut{"9", "-", "4", "", 1, "", "5", false, {}};
    const std::vector<std::string> book = wrongQuestionBook({{"2026-12-08", "+-", secondBlank},
                                                             {"2026-12-07", "×", unanswered},
                                                             {"2026-12-06", "+-", timedOut}});
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(book[0], "2026-12-08  考试  35+(  )=47  你的答案：10  正确答案：12");
    EXPECT_EQ(book[1], "2026-12-07  考试  6×7=(  )  你的答案：未答  正确答案：42");
    EXPECT_EQ(book[2], "2026-12-06  考试  9-4=(  )  你的答案：未答  正确答案：5");
    const std::vector<HistoryTableRow> rows = historyTableRows({sampleRun("a", "2026-12-08", 20)});
    EXPECT_EQ(rows.at(0).date, "2026-12-08 09:05");
    EXPECT_EQ(rows.at(0).timeUsed, "0:01:20");
}

TEST(HistoryViews, PracticeReadsAsTheFirstTryShareAndStoppedRunsStayOutOfTheMeans) {
    StoredRun exam = sampleRun("a", "2026-12-08", 5);
    exam.score = 80;
    StoredRun practice = sampleRun("a", "2026-12-08", 5);
    practice.exam = false;
    practice.score = 100;  // the report's score: every question right in the end
    practice.firstTryRight = 3;
    StoredRun stopped = sampleRun("a", "2026-12-09", 5);
    stopped.answered = 3;
    stopped.score = 40;
    const std::vector<StoredRun> runs = {stopped, practice, exam};  // newest first

    const std::vector<HistoryTableRow> rows = historyTableRows(runs);
    EXPECT_EQ(rows[0].kind, "考试");
    EXPECT_EQ(rows[0].completion, "3/5 中止");
    EXPECT_EQ(rows[0].score, "40");
    EXPECT_EQ(rows[1].kind, "练习");
    EXPECT_EQ(rows[1].completion, "5/5");
    EXPECT_EQ(rows[1].score, "60%");
    EXPECT_EQ(rows[2].score, "80");

    // Exam scores and practice first-try shares are two series, never averaged together.
    const std::vector<ScoreLine> lines = scoreLines(runs);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].mode, "+- 考试");
    EXPECT_EQ(lines[1].mode, "+- 练习");
    ASSERT_EQ(lines[0].points.size(), 1u) << "the stopped run's day has no mean";
    EXPECT_DOUBLE_EQ(lines[0].points[0].score, 80);
    ASSERT_EQ(lines[1].points.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[1].points[0].score, 60);
    EXPECT_TRUE(lines[1].stopped.empty());
    ASSERT_EQ(lines[0].stopped.size(), 1u);
    EXPECT_EQ(dateOfDay(lines[0].stopped[0].day), "2026-12-09");
    EXPECT_DOUBLE_EQ(lines[0].stopped[0].score, 40);
}

TEST(HistoryViews, TheBookShowsAPracticeQuestionsWrongTries) {
    StoredQuestion tried{"44", "+", "1", "45", 1, "45", "45", true, {"44", "46"}};
    const std::vector<std::string> book = wrongQuestionBook({{"2026-12-08", "+-", tried, false}});
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book[0], "2026-12-08  练习  44+1=(  )  答错过：44、46  正确答案：45");
}

TEST(HistoryViews, TheDateAxisNamesEveryDayWithARunUntilItMustThinThem) {
    for (int days = 1; days <= 60; ++days) {
        ScoreLine line{"+", {}, {}};
        for (int day = 0; day < days; ++day) {
            (day % 4 == 3 ? line.stopped : line.points).push_back({20000 + day * 2, 50});
        }
        for (int most = 1; most <= 20; ++most) {
            const std::vector<int> labels = dateAxisDays({line}, most);
            ASSERT_EQ(static_cast<int>(labels.size()), std::min(days, most)) << days << " " << most;
            EXPECT_EQ(labels.front(), 20000);
            if (most > 1) {
                EXPECT_EQ(labels.back(), 20000 + (days - 1) * 2);
            }
            EXPECT_EQ(std::set<int>(labels.begin(), labels.end()).size(), labels.size());
            EXPECT_TRUE(std::is_sorted(labels.begin(), labels.end()));
        }
    }
}

TEST(HistoryViews, EveryTextOfACalendarDayStandsOutAtLeastFourAndAHalfToOne) {
    EXPECT_GE(contrastRatio(kSelectedDayNumber, kSelectedDayBack), 4.5);
    EXPECT_GE(contrastRatio(kSelectedDayFigures, kSelectedDayBack), 4.5);
    EXPECT_GE(contrastRatio(kPractisedDayNumber, kPractisedDayBack), 4.5);
    EXPECT_GE(contrastRatio(kPractisedDayFigures, kPractisedDayBack), 4.5);
}

}  // namespace

TEST(HistoryViews, LevelTestsAreTabledNewestFirstWithEachItemAsRightOutOfTen) {
    const std::vector<StoredLevelTest> tests = {
        {"豆 豆", "2026-12-01", "09:05:30", 0, 10, {9}, true, {}},
        {"豆 豆", "2026-12-08", "16:40:00", 4, 5, {8, 10}, false, {}}};
    EXPECT_EQ(levelTestRows(tests),
              (std::vector<LevelTestRow>{{"2026-12-08 16:40", "六级", "8/10", "10/10", "未通过"},
                                         {"2026-12-01 09:05", "十级", "9/10", "", "通过"}}));
    EXPECT_TRUE(levelTestRows({}).empty());
}

TEST(HistoryViews, TheBookMarksALevelTestsQuestionWithItsLevelAndShowsItWhole) {
    StoredQuestion sum;
    sum.firstTerm = "325-67+12";
    sum.blankPosition = 1;
    sum.typedAnswer = "25";
    sum.rightAnswer = "270";
    StoredQuestion product = sum;
    product.firstTerm = "12×3";
    product.typedAnswer.clear();
    product.rightAnswer = "36";
    EXPECT_EQ(
        wrongQuestionBook({{"2026-12-08", "", sum, true, 0}, {"2026-12-08", "", product, true, 4}}),
        (std::vector<std::string>{
            "2026-12-08  等级考试 十级  325-67+12=(  )  你的答案：25  正确答案：270",
            "2026-12-08  等级考试 六级  12×3=(  )  你的答案：未答  正确答案：36"}));
}
