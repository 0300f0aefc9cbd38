// The wrong-question book as the store keeps it: exam questions answered wrong and practice
// questions that needed more than one try, a question taken out once redone right, a file of
// the first schema brought up to date, and the name a blank learner is kept under.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "history/history_fixture.h"
#include "history/history_views.h"
#include "history/learner_names.h"
#include "history/redo_run.h"
#include "history/sqlite/history_schema.h"

namespace {

// A practice run whose first question needed the tries `tries` before it was right.
StoredRun practiceWithTries(const std::string& learner, std::vector<std::string> tries) {
    StoredRun run = sampleRun(learner, "2026-12-09", 3);
    run.exam = false;
    for (StoredQuestion& question : run.questions) {
        question.right = true;
        question.typedAnswer = question.rightAnswer;
    }
    run.questions[0].practiceAttempts = std::move(tries);
    return run;
}

TEST_F(HistoryFolder, TheBookHoldsWrongExamAnswersAndPracticeTriesUntilTakenOut) {
    auto store = openStore();
    StoredRun exam = sampleRun("a", "2026-12-08", 6);              // questions 0 and 3 wrong
    exam.questions[0].resultTerm = exam.questions[0].typedAnswer;  // the blank holds the entry
    store->storeRun(exam);
    store->storeRun(practiceWithTries("a", {"14", "16"}));
    store->storeRun(practiceWithTries("a", {}));  // right at every first try
    store->storeRun(sampleRun("b", "2026-12-08", 3));

    std::vector<WrongQuestion> book = store->wrongQuestionsOf("a");
    ASSERT_EQ(book.size(), 3u);
    EXPECT_FALSE(book[0].exam);
    EXPECT_EQ(book[0].question.practiceAttempts, (std::vector<std::string>{"14", "16"}));
    EXPECT_EQ(askedQuestion(book[0].question), "10+5=(  )");
    EXPECT_TRUE(book[1].exam);
    EXPECT_EQ(askedQuestion(book[1].question), "10+5=(  )");
    EXPECT_EQ(book[1].question.resultTerm, "7");
    EXPECT_EQ(askedQuestion(book[2].question), "13+5=(  )");
    EXPECT_EQ(questionsToRedo(book).size(), 2u) << "a question is redone once";

    EXPECT_EQ(store->runsOf("a")[0].firstTryRight, 3);
    EXPECT_EQ(store->runsOf("a")[1].firstTryRight, 2);

    EXPECT_EQ(store->takeOutOfBook("a", book[0].question), StoreOutcome::Stored);
    book = store->wrongQuestionsOf("a");
    ASSERT_EQ(book.size(), 1u) << "every entry of 10+5 leaves, from exam and practice alike";
    EXPECT_EQ(askedQuestion(book[0].question), "13+5=(  )");
    EXPECT_EQ(store->wrongQuestionsOf("b").size(), 1u) << "another learner's book is untouched";
}

TEST_F(HistoryFolder, AFileOfTheFirstSchemaGainsTheBookMarkAndKeepsItsRuns) {
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(database,
                           "CREATE TABLE runs (id INTEGER PRIMARY KEY, learner TEXT NOT NULL, "
                           "start_date TEXT NOT NULL, start_time TEXT NOT NULL, mode TEXT NOT "
                           "NULL, digits INTEGER NOT NULL, question_count INTEGER NOT NULL, "
                           "seconds_per_question INTEGER NOT NULL, exam INTEGER NOT NULL, layout "
                           "TEXT NOT NULL, fill_in INTEGER NOT NULL, answered INTEGER NOT NULL, "
                           "right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL, score "
                           "INTEGER NOT NULL, seconds_used INTEGER NOT NULL);"
                           "CREATE INDEX runs_by_learner ON runs (learner, start_date, "
                           "start_time);"
                           "CREATE INDEX runs_by_day ON runs (start_date);"
                           "CREATE TABLE questions (run_id INTEGER NOT NULL, number INTEGER NOT "
                           "NULL, first_term TEXT NOT NULL, operator TEXT NOT NULL, second_term "
                           "TEXT NOT NULL, result_term TEXT NOT NULL, blank_position INTEGER NOT "
                           "NULL, typed_answer TEXT NOT NULL, right_answer TEXT NOT NULL, right "
                           "INTEGER NOT NULL, attempts TEXT NOT NULL, PRIMARY KEY (run_id, "
                           "number)) WITHOUT ROWID;"
                           "CREATE TABLE papers (id INTEGER PRIMARY KEY, learner TEXT NOT NULL, "
                           "number INTEGER NOT NULL, date TEXT NOT NULL, time TEXT NOT NULL, mode "
                           "TEXT NOT NULL, digits INTEGER NOT NULL, question_count INTEGER NOT "
                           "NULL, exam INTEGER NOT NULL, layout TEXT NOT NULL, fill_in INTEGER "
                           "NOT NULL);"
                           "CREATE TABLE learner_settings (learner TEXT NOT NULL, key TEXT NOT "
                           "NULL, value TEXT NOT NULL, PRIMARY KEY (learner, key)) WITHOUT ROWID;"
                           "INSERT INTO runs VALUES (1, 'a', '2026-12-01', '09:00:00', '+', 1, 1, "
                           "60, 1, 'x', 0, 1, 0, 1, 0, 5);"
                           "INSERT INTO questions VALUES (1, 1, '3', '+', '4', '8', 1, '8', '7', "
                           "0, '');"
                           "PRAGMA user_version = 1;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(database);

    auto store = openStore();
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    ASSERT_EQ(store->wrongQuestionsOf("a").size(), 1u);
    EXPECT_EQ(store->takeOutOfBook("a", store->wrongQuestionsOf("a")[0].question),
              StoreOutcome::Stored);
    EXPECT_TRUE(store->wrongQuestionsOf("a").empty());
    EXPECT_EQ(store->allRuns().size(), 1u);
}

TEST_F(HistoryFolder, ALevelTestsWrongQuestionsJoinTheBookNewestFirstUntilRedoneRight) {
    {
        // A file of the fifth schema with a level test already kept gains the questions' table.
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        ASSERT_EQ(migrateHistorySchema(database, 5), MigrationResult::Current);
        ASSERT_EQ(sqlite3_exec(database,
                               "INSERT INTO level_tests VALUES (1, 'a', '2026-12-01', "
                               "'08:00:00', 0, 10, 10, NULL, 1)",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(database);
    }
    auto store = openStore();
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(store->levelTests("a").size(), 1u);

    store->storeRun(sampleRun("a", "2026-12-08", 3));  // question 0 wrong, at 2026-12-08
    StoredLevelTest test{"a", "2026-12-09", "10:00:00", 4, 10, {9, 8}, true, {}};
    test.questions = {{0, 1, "20+5+2", "27", "27", true},
                      {0, 2, "9-4", "", "5", false},
                      {1, 1, "12×3", "35", "36", false}};
    EXPECT_EQ(store->storeLevelTest(test), StoreOutcome::Stored);
    test.learner = "b";
    store->storeLevelTest(test);
    EXPECT_EQ(answerOf("SELECT count(*) FROM level_questions"), 6);

    std::vector<WrongQuestion> book = store->wrongQuestionsOf("a");
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(book[0].level, 4);
    EXPECT_EQ(askedQuestion(book[0].question), "9-4=(  )");
    EXPECT_EQ(book[0].question.typedAnswer, "");
    EXPECT_EQ(askedQuestion(book[1].question), "12×3=(  )");
    EXPECT_EQ(book[1].question.typedAnswer, "35");
    EXPECT_EQ(book[2].level, -1) << "the older run comes after the newer test";
    EXPECT_EQ(questionsToRedo(book).size(), 1u) << "the main window redoes only its own";

    EXPECT_EQ(store->takeOutOfBook("a", book[1].question), StoreOutcome::Stored);
    book = store->wrongQuestionsOf("a");
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[0].question.firstTerm, "9-4");
    EXPECT_EQ(store->wrongQuestionsOf("b").size(), 2u) << "another learner's book is untouched";
}

TEST(LearnerNames, ANameThatShowsNothingIsKeptAsTheDefaultLearner) {
    TrainingState state;
    state.defaultLearnerName = "豆 豆";
    for (const char* blank : {"", " ", "   ", "\t", "\u3000", " \u3000\t ", "\u200B", "\uFEFF",
                              "\u2060", "\u200B\uFEFF\u2060", " \u200B\u3000", "\u00A0\u200D"}) {
        EXPECT_EQ(keptLearnerName(state, blank), "豆 豆") << "[" << blank << "]";
    }
    for (const char* name :
         {"小明", " 小明 ", "豆豆", "\u3000a", "0", "\u200B小明\uFEFF", "\xFF", "\xE2\x80"}) {
        EXPECT_EQ(keptLearnerName(state, name), name);
    }
}

}  // namespace
