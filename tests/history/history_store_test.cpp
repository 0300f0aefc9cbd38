// The history on a real SQLite file: what is stored reads back exactly, two trainers can
// store at once, and a kill or a full disk in the middle of a write loses only that run.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <thread>

#include "history/history_fixture.h"
#include "history/sqlite/history_schema.h"
#include "history/sqlite/sqlite_history_store.h"

namespace {

TEST_F(HistoryFolder, RunsPapersAndSettingsReadBackAsStored) {
    const std::string longName(10000, 'x');
    const std::string awkward = "O'Brien \"小明\" 😀; DROP TABLE runs;--";
    auto store = openStore();
    StoredRun first = sampleRun(awkward, "2026-12-01", 6);
    first.questions[0].practiceAttempts = {"9", "12"};
    first.exam = false;
    first.fillIn = true;
    ASSERT_EQ(store->storeRun(first), StoreOutcome::Stored);
    ASSERT_EQ(store->storeRun(sampleRun(longName, "2026-12-03", 20)), StoreOutcome::Stored);
    ASSERT_EQ(store->storeRun(sampleRun(awkward, "2026-12-05", 5)), StoreOutcome::Stored);

    const std::vector<StoredRun> runs = store->runsOf(awkward);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].startDate, "2026-12-05");  // newest first
    const StoredRun& back = runs[1];
    EXPECT_EQ(back.learner, awkward);
    EXPECT_FALSE(back.exam);
    EXPECT_TRUE(back.fillIn);
    EXPECT_EQ(back.layout, "单  列");
    EXPECT_EQ(back.right, first.right);
    EXPECT_EQ(back.score, first.score);
    EXPECT_EQ(back.secondsUsed, first.secondsUsed);
    const std::vector<StoredQuestion> questions = store->questionsOf(back.id);
    ASSERT_EQ(questions.size(), first.questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        EXPECT_EQ(questions[i].firstTerm, first.questions[i].firstTerm);
        EXPECT_EQ(questions[i].typedAnswer, first.questions[i].typedAnswer);
        EXPECT_EQ(questions[i].right, first.questions[i].right);
        EXPECT_EQ(questions[i].practiceAttempts, first.questions[i].practiceAttempts);
    }
    EXPECT_EQ(store->runsOf(longName).at(0).learner, longName);
    EXPECT_EQ(store->wrongQuestionsOf(awkward).size(), 4u);  // 2 of 6 and 2 of 5
    EXPECT_EQ(store->wrongQuestionsOf(awkward).front().date, "2026-12-05");

    const std::vector<LearnerSummary> learners = store->learners();
    ASSERT_EQ(learners.size(), 2u);
    EXPECT_EQ(learners[0].name, awkward);
    EXPECT_EQ(learners[0].lastDate, "2026-12-05");

    StoredPaper paper{awkward, 3, "2026-12-05", "10:00:00", "×÷", 3, 50, true, "竖  式", false};
    ASSERT_EQ(store->storePaper(paper), StoreOutcome::Stored);
    EXPECT_EQ(store->allPapers().at(0).layout, "竖  式");
    EXPECT_EQ(store->allPapers().at(0).learner, awkward);

    // A learner known only by a paper, a drill or a level test is listed too, each learner by
    // the newest record of any kind, latest first.
    ASSERT_EQ(store->storePaper(
                  {"小纸", 1, "2026-12-06", "08:00:00", "+-", 2, 10, true, "单  列", false}),
              StoreOutcome::Stored);
    StoredDrill chain;
    chain.learner = "小珠";
    chain.date = "2026-12-07";
    chain.time = "07:00:00";
    chain.kind = "闪电心算";
    ASSERT_EQ(store->storeDrill(chain), StoreOutcome::Stored);
    chain.learner = longName;
    chain.date = "2026-12-02";
    ASSERT_EQ(store->storeDrill(chain), StoreOutcome::Stored);
    ASSERT_EQ(store->storeLevelTest({"小考", "2026-12-04", "09:00:00", 0, 10, {9}, true, {}}),
              StoreOutcome::Stored);
    std::vector<std::pair<std::string, std::string>> listed;
    for (const LearnerSummary& learner : store->learners()) {
        listed.emplace_back(learner.name, learner.lastDate);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {{"小珠", "2026-12-07"},
                                                                       {"小纸", "2026-12-06"},
                                                                       {awkward, "2026-12-05"},
                                                                       {"小考", "2026-12-04"},
                                                                       {longName, "2026-12-03"}};
    EXPECT_EQ(listed, expected);

    EXPECT_EQ(store->setting(awkward, "zoom"), std::nullopt);
    ASSERT_EQ(store->setSetting(awkward, "zoom", "125"), StoreOutcome::Stored);
    ASSERT_EQ(store->setSetting(awkward, "zoom", "150"), StoreOutcome::Stored);
    EXPECT_EQ(store->setting(awkward, "zoom"), "150");
    EXPECT_EQ(store->setting(longName, "zoom"), std::nullopt);

    store.reset();
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 3);
    EXPECT_EQ(openStore()->allRuns().size(), 3u);  // a second opening finds them all
}

TEST_F(HistoryFolder, ARefusedQuestionFailsTheWholeRunAndLeavesTheFileFreeForTheNext) {
    auto store = openStore();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "CREATE TRIGGER refuse BEFORE INSERT ON questions "
                           "WHEN NEW.typed_answer = 'refused' BEGIN SELECT RAISE(ABORT, 'no'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    StoredRun refused = sampleRun("豆 豆", "2026-12-08", 6);
    refused.questions[4].typedAnswer = "refused";
    EXPECT_EQ(store->storeRun(refused), StoreOutcome::Failed);
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 0) << "a run kept without its questions";
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), 0);

    // Rolled back: this session stores the next run, and another trainer can write at once.
    EXPECT_EQ(store->storeRun(sampleRun("豆 豆", "2026-12-08", 6)), StoreOutcome::Stored);
    sqlite3_busy_timeout(other, 0);
    EXPECT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; COMMIT;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), 6);
}

TEST_F(HistoryFolder, TwoTrainersStoringAtOnceLoseAndRepeatNothing) {
    openStore();
    const auto trainer = [this](const std::string& learner) {
        auto store = openStore();
        for (int run = 0; run < 60; ++run) {
            StoredRun stored = sampleRun(learner, "2026-12-08", 20);
            stored.secondsUsed = run;
            EXPECT_EQ(store->storeRun(stored), StoreOutcome::Stored);
        }
    };
    std::thread first(trainer, "甲");
    std::thread second(trainer, "乙");
    first.join();
    second.join();
    auto store = openStore();
    for (const char* learner : {"甲", "乙"}) {
        std::set<int> seen;
        for (const StoredRun& run : store->runsOf(learner)) seen.insert(run.secondsUsed);
        EXPECT_EQ(seen.size(), 60u) << learner;
        EXPECT_EQ(store->runsOf(learner).size(), 60u) << learner;
    }
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), 2 * 60 * 20);
}

TEST_F(HistoryFolder, AKillDuringAWriteLosesAtMostThatRun) {
    openStore();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        HistoryOpening opening = openHistoryFile(path);
        for (;;) opening.store->storeRun(sampleRun("豆 豆", "2026-12-08", 100));
    }
    while (answerOf("SELECT count(*) FROM runs") < 20) usleep(2000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    auto store = openStore();
    ASSERT_TRUE(store);
    EXPECT_EQ(answerOf("SELECT count(*) FROM pragma_quick_check WHERE quick_check != 'ok'"), 0);
    const long long runs = answerOf("SELECT count(*) FROM runs");
    EXPECT_GE(runs, 20);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), runs * 100);
    EXPECT_EQ(store->storeRun(sampleRun("豆 豆", "2026-12-09", 5)), StoreOutcome::Stored);
}

TEST_F(HistoryFolder, AFullDiskFailsTheRunAndKeepsTheFileIntact) {
    auto store = openStore();
    ASSERT_EQ(store->storeRun(sampleRun("豆 豆", "2026-12-08", 20)), StoreOutcome::Stored);
    store.reset();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file may grow only a little more, as on a nearly full disk.
        signal(SIGXFSZ, SIG_IGN);
        HistoryOpening opening = openHistoryFile(path);
        const rlimit limit{256 * 1024, 256 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        int stored = 0;
        while (opening.store->storeRun(sampleRun("豆 豆", "2026-12-09", 100)) ==
               StoreOutcome::Stored) {
            if (++stored > 10000) _exit(255);
        }
        _exit(stored);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 255) << "the write never failed";
    const long long storedByChild = WEXITSTATUS(status);

    auto reopened = openStore();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(answerOf("SELECT count(*) FROM pragma_quick_check WHERE quick_check != 'ok'"), 0);
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 1 + storedByChild);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), 20 + storedByChild * 100);
}

}  // namespace

namespace {

TEST_F(HistoryFolder, AFileOfTheEighthVersionGainsThePapersLearnerIndexKeepingEveryRecord) {
    {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        ASSERT_EQ(migrateHistorySchema(database, 8), MigrationResult::Current);
        SqliteHistoryStore older(database);
        ASSERT_EQ(older.storeRun(sampleRun("豆 豆", "2026-12-01", 4)), StoreOutcome::Stored);
        ASSERT_EQ(older.storePaper(
                      {"小纸", 1, "2026-12-06", "08:00:00", "+-", 2, 10, true, "单  列", false}),
                  StoreOutcome::Stored);
        ASSERT_EQ(older.storeLevelTest({"小考", "2026-12-04", "09:00:00", 0, 10, {9}, true, {}}),
                  StoreOutcome::Stored);
    }
    auto store = openStore();
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(answerOf("SELECT count(*) FROM sqlite_schema WHERE name = 'papers_by_learner'"), 1);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), 4);
    std::vector<std::string> names;
    for (const LearnerSummary& learner : store->learners()) names.push_back(learner.name);
    EXPECT_EQ(names, (std::vector<std::string>{"小纸", "小考", "豆 豆"}));
}

TEST_F(HistoryFolder, LevelTestsReadBackPerLearnerAndAnOlderFileGainsTheirTable) {
    {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        ASSERT_EQ(migrateHistorySchema(database, 2), MigrationResult::Current);
        sqlite3_close(database);
    }
    auto store = openStore();
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    const StoredLevelTest tenth{"豆 豆", "2026-12-08", "09:05:00", 0, 10, {9}, true, {}};
    const StoredLevelTest sixth{"小明", "2026-12-09", "10:00:00", 4, 5, {8, 7}, false, {}};
    const StoredLevelTest ninth{"豆 豆", "2026-12-10", "11:30:00", 1, 15, {0}, false, {}};
    for (const StoredLevelTest& test : {tenth, sixth, ninth}) {
        EXPECT_EQ(store->storeLevelTest(test), StoreOutcome::Stored);
    }
    const auto same = [](const StoredLevelTest& a, const StoredLevelTest& b) {
        return a.learner == b.learner && a.date == b.date && a.time == b.time &&
               a.level == b.level && a.minutesPerItem == b.minutesPerItem &&
               a.rightPerItem == b.rightPerItem && a.passed == b.passed;
    };
    const auto all = openStore()->levelTests("");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_TRUE(same(all[0], tenth));
    EXPECT_TRUE(same(all[1], sixth));
    EXPECT_TRUE(same(all[2], ninth));
    const auto own = store->levelTests("豆 豆");
    ASSERT_EQ(own.size(), 2u);
    EXPECT_TRUE(same(own[1], ninth));
    EXPECT_TRUE(store->levelTests("nobody").empty());
}

}  // namespace
