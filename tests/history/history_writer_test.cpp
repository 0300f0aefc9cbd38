// The history's writer thread: the window hands a run over without waiting, whatever holds
// the file; reads see every run handed over before them, also while another trainer holds the
// file; at exit nothing queued is lost, and what is journaled is stored once, however often
// storing it is cut short; and a write that fails says its true cause and leaves the file able
// to take the next run.

#include "history/history_writer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <future>
#include <random>
#include <thread>

#include "history/history_fixture.h"
#include "history/run_journal.h"
#include "history/sqlite/queued_records.h"
#include "small_disk/small_disk.h"

namespace {

// The history at `file` behind a writer that reads on connections of its own, failing the test
// when it cannot be opened.
std::unique_ptr<HistoryWriter> writerOn(const std::string& file) {
    HistoryOpening opening = openHistoryFile(file);
    EXPECT_TRUE(opening.store) << opening.message;
    return std::make_unique<HistoryWriter>(std::move(opening.store), nullptr,
                                           queuedRecordsJournal(file),
                                           [file] { return openHistoryReader(file); });
}

// A run told apart from the others by the seconds it used.
StoredRun numberedRun(int number) {
    StoredRun run = sampleRun("豆 豆", "2026-12-08", 10);
    run.secondsUsed = number;
    return run;
}

// A level test of 十级 by `learner` with three questions, the second answered wrong.
StoredLevelTest levelTestOf(const std::string& learner) {
    StoredLevelTest test{learner, "2026-12-08", "10:30:00", 0, 10, {2}, false, {}};
    test.questions = {{0, 1, "12+7", "19", "19", true},
                      {0, 2, "35-8", "26", "27", false},
                      {0, 3, "4+4", "8", "8", true}};
    return test;
}

// The entries of a book that come from a level test.
std::size_t levelEntries(const std::vector<WrongQuestion>& book) {
    return static_cast<std::size_t>(std::count_if(
        book.begin(), book.end(), [](const WrongQuestion& entry) { return entry.level >= 0; }));
}

TEST_F(HistoryFolder, RunsHandedOverWhileAnotherTrainerHoldsTheFileAreStoredOnceItLetsGo) {
    std::atomic<bool> failed{false};
    HistoryWriter writer(openStore(), [&failed] { failed = true; });
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    for (int run = 0; run < 5; ++run) {
        EXPECT_EQ(writer.storeRun(numberedRun(run)), StoreOutcome::Queued);
    }
    // Held longer than one busy wait, which used to lose the run.
    std::this_thread::sleep_for(std::chrono::milliseconds(kHistoryBusyMilliseconds * 3 / 2));
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 0);
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    writer.waitUntilWritten();
    EXPECT_FALSE(failed);
    EXPECT_TRUE(writer.takeFailures().empty());
    const std::vector<StoredRun> runs = writer.allRuns();
    ASSERT_EQ(runs.size(), 5u);
    for (int run = 0; run < 5; ++run) EXPECT_EQ(runs[run].secondsUsed, run) << "in order";
}

TEST_F(HistoryFolder, RecordsAnotherTrainerHoldsOutPastExitAreJournaledAndStoredAtTheNextStart) {
    HistoryWriter writer(openStore(), {}, queuedRecordsJournal(path));
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(fromChild), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {  // another trainer holding the file until told to let go
        sqlite3* database = nullptr;
        sqlite3_open(path.c_str(), &database);
        const bool holds =
            sqlite3_exec(database, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
        char signal = holds ? 'h' : 'x';
        if (write(fromChild[1], &signal, 1) != 1 || read(toChild[0], &signal, 1) != 1) _exit(2);
        sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(database);
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(fromChild[0], &signal, 1), 1);
    ASSERT_EQ(signal, 'h');
    for (int run = 0; run < 3; ++run) writer.storeRun(numberedRun(run));
    writer.storeDrill({});
    writer.storeLevelTest(levelTestOf("豆 豆"));
    writer.waitUntilWrittenOrHeld();  // returns while the file is held
    const std::string told = writer.finishWrites();
    EXPECT_NE(told.find("5条记录没能存入"), std::string::npos) << told;
    EXPECT_NE(told.find("“history.sqlite3.queued”"), std::string::npos) << told;
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 0);
    ASSERT_EQ(write(toChild[1], "g", 1), 1);
    int status = 0;
    waitpid(other, &status, 0);

    HistoryOpening next = openHistoryWithQueuedRecords(path);
    ASSERT_TRUE(next.store) << next.message;
    EXPECT_NE(next.message.find("5条记录暂存在“history.sqlite3.queued”中，现已存入"),
              std::string::npos)
        << next.message;
    const std::vector<StoredRun> runs = next.store->allRuns();
    ASSERT_EQ(runs.size(), 3u);
    for (int run = 0; run < 3; ++run) EXPECT_EQ(runs[run].secondsUsed, run) << "in order";
    EXPECT_EQ(next.store->questionsOf(runs[2].id).size(), 10u);
    EXPECT_EQ(next.store->allDrills().size(), 1u);
    // The level test comes with its questions, and the one answered wrong reaches the book.
    const std::vector<StoredLevelTest> tests = next.store->levelTests("豆 豆");
    ASSERT_EQ(tests.size(), 1u);
    EXPECT_EQ(next.store->levelQuestionsOf(tests[0].id), levelTestOf("豆 豆").questions);
    EXPECT_EQ(levelEntries(next.store->wrongQuestionsOf("豆 豆")), 1u);
    EXPECT_FALSE(std::filesystem::exists(path + ".queued"));
    EXPECT_EQ(openHistoryWithQueuedRecords(path).message, "") << "stored once";
}

TEST_F(HistoryFolder, AJournalStoredAgainAfterItsStoringWasCutShortStoresEachRecordOnce) {
    // A class is joined, so each record stored also goes to the outbox, where it must be once too.
    openStore();
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(database, "INSERT INTO class_link VALUES (1, 'line', '二班', 1)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(database);
    // The journal a trainer leaves when another one held the file as it closed.
    constexpr int kRuns = 40;
    constexpr int kDrills = 10;
    constexpr int kTests = 5;
    {
        const std::unique_ptr<HistoryStore> journal = queuedRecordsJournal(path).open();
        ASSERT_TRUE(journal);
        for (int run = 0; run < kRuns; ++run) {
            ASSERT_EQ(storeWrite(*journal, withRecordId(numberedRun(run))), StoreOutcome::Stored);
        }
        for (int drill = 0; drill < kDrills; ++drill) {
            ASSERT_EQ(storeWrite(*journal, withRecordId(StoredDrill{})), StoreOutcome::Stored);
        }
        for (int test = 0; test < kTests; ++test) {
            ASSERT_EQ(storeWrite(*journal, withRecordId(levelTestOf("豆 豆"))),
                      StoreOutcome::Stored);
        }
    }
    // Each start is killed at its own moment while it stores the journal; the last one ends.
    std::mt19937 random(20261208);
    for (int cut = 0; cut < 8; ++cut) {
        const pid_t start = fork();
        ASSERT_GE(start, 0);
        if (start == 0) {
            openHistoryWithQueuedRecords(path);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(
            std::uniform_int_distribution<int>(10, 60)(random) * (cut + 1)));
        kill(start, SIGKILL);
        int status = 0;
        waitpid(start, &status, 0);
    }
    const HistoryOpening last = openHistoryWithQueuedRecords(path);
    ASSERT_TRUE(last.store) << last.message;
    EXPECT_FALSE(std::filesystem::exists(path + ".queued"));
    EXPECT_EQ(answerOf("SELECT count(DISTINCT uuid) FROM runs"), kRuns);
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), kRuns);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), kRuns * 10);
    EXPECT_EQ(answerOf("SELECT count(*) FROM drills"), kDrills);
    EXPECT_EQ(answerOf("SELECT count(*) FROM level_tests"), kTests);
    EXPECT_EQ(answerOf("SELECT count(*) FROM level_questions"), kTests * 3);
    EXPECT_EQ(answerOf("SELECT count(*) FROM outbox"), kRuns + kDrills + kTests);
    EXPECT_EQ(answerOf("SELECT count(DISTINCT record_uuid) FROM outbox"), kRuns + kDrills + kTests);
    // Every run kept the id it was made with, on the computer and in the outbox alike.
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs JOIN outbox ON record_uuid = runs.uuid"), kRuns);
}

TEST_F(HistoryFolder, ReadsWhileAnotherTrainerHoldsTheFileSeeWhatIsStoredAndWhatIsQueued) {
    auto writer = writerOn(path);
    writer->storeRun(sampleRun("小明", "2026-12-07", 3));
    writer->setSetting("小明", "zoom", "125");
    writer->waitUntilWritten();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    writer->storeRun(numberedRun(1));
    writer->setSetting("小明", "zoom", "150");
    writer->storeLevelTest(levelTestOf("豆 豆"));
    // 小明's only wrong question, 10 + 5, redone right.
    writer->takeOutOfBook("小明", sampleRun("小明", "2026-12-07", 3).questions[0]);
    writer->waitUntilWrittenOrHeld();
    ASSERT_EQ(answerOf("SELECT count(*) FROM runs"), 1) << "the file was not held";

    // Read once while the file is held, and again once all is stored: the same answers.
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held" : "stored");
        const std::vector<LearnerSummary> learners = writer->learners();
        ASSERT_EQ(learners.size(), 2u);
        EXPECT_EQ(learners[0].name, "豆 豆");
        EXPECT_EQ(learners[0].lastDate, "2026-12-08");
        EXPECT_EQ(learners[1].name, "小明");
        const std::vector<StoredRun> runs = writer->runsOf("豆 豆");
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].secondsUsed, 1);
        EXPECT_EQ(runs[0].firstTryRight, 6);
        EXPECT_EQ(writer->runsOf("小明").size(), 1u);
        EXPECT_EQ(writer->setting("小明", "zoom"), "150");
        EXPECT_EQ(writer->levelTests("豆 豆").size(), 1u);
        EXPECT_EQ(writer->levelTests("").size(), 1u);
        const std::vector<WrongQuestion> book = writer->wrongQuestionsOf("豆 豆");
        EXPECT_EQ(book.size(), 5u) << "four of the run and one of the level test";
        EXPECT_EQ(levelEntries(book), 1u);
        EXPECT_TRUE(writer->wrongQuestionsOf("小明").empty());
        EXPECT_EQ(writer->allRuns().size(), 2u);
        if (held) {
            ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(other);
            writer->waitUntilWritten();
        }
    }
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 2);
}

TEST_F(HistoryFolder, AWriterOpeningTheFileOnItsOwnThreadQueuesWhatIsHandedOverMeanwhile) {
    std::promise<void> checksMayEnd;
    std::atomic<bool> opened{false};
    HistoryWriter writer(
        [&] {
            checksMayEnd.get_future().wait();
            return OpenedHistory{openHistoryFile(path).store, {}};
        },
        [&opened] { opened = true; });
    // The caller goes on while the file is being checked: a run is queued, and a read finds it
    // among what is queued.
    EXPECT_EQ(writer.storeRun(numberedRun(7)), StoreOutcome::Queued);
    ASSERT_EQ(writer.learners().size(), 1u);
    EXPECT_EQ(writer.learners()[0].name, "豆 豆");
    EXPECT_FALSE(opened);
    checksMayEnd.set_value();
    writer.waitUntilWritten();
    EXPECT_TRUE(opened);
    ASSERT_EQ(writer.allRuns().size(), 1u);
    EXPECT_EQ(writer.allRuns()[0].secondsUsed, 7);
}

TEST_F(HistoryFolder, EveryReadSeesTheWritesBeforeItAndExitStoresWhatIsQueued) {
    auto writer = writerOn(path);
    int handedOver = 0;
    for (int round = 1; round <= 25; ++round) {
        for (int run = 0; run < round % 4; ++run) writer->storeRun(numberedRun(handedOver++));
        writer->storePaper(
            {"豆 豆", round, "2026-12-08", "10:00:00", "+", 2, 10, true, "单  列", false});
        writer->setSetting("豆 豆", "zoom", std::to_string(round));
        ASSERT_EQ(writer->allRuns().size(), static_cast<std::size_t>(handedOver));
        ASSERT_EQ(writer->runsOf("豆 豆").size(), static_cast<std::size_t>(handedOver));
        ASSERT_EQ(writer->allPapers().size(), static_cast<std::size_t>(round));
        ASSERT_EQ(writer->setting("豆 豆", "zoom"), std::to_string(round));
    }
    for (int run = 0; run < 40; ++run) writer->storeRun(numberedRun(handedOver++));
    EXPECT_EQ(writer->finishWrites(), "");
    // One handed over as the window closes, after the thread ended, is stored all the same.
    writer->storeDrill({});
    writer.reset();
    EXPECT_EQ(answerOf("SELECT count(*) FROM drills"), 1);
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), handedOver);
    EXPECT_EQ(answerOf("SELECT count(*) FROM questions"), handedOver * 10);
}

TEST_F(HistoryFolder, AFullDiskIsToldAsSuchAndTheNextRunIsStoredOnceThereIsRoom) {
    SmallDisk disk;
    const std::string file = historyFileIn(disk.folder());
    auto writer = writerOn(file);
    ASSERT_TRUE(writer);
    writer->storeRun(numberedRun(0));
    writer->waitUntilWritten();
    disk.leaveFree(2048);
    std::vector<LateOutcome> failures;
    for (int run = 1; run < 200 && failures.empty(); ++run) {
        StoredRun big = numberedRun(run);
        for (StoredQuestion& question : big.questions) question.typedAnswer.assign(400, '7');
        writer->storeRun(big);
        writer->waitUntilWritten();
        failures = writer->takeFailures();
    }
    ASSERT_EQ(failures.size(), 1u) << "the disk never filled";
    EXPECT_EQ(failures[0].kind, WriteKind::Run);
    EXPECT_EQ(failures[0].outcome, StoreOutcome::Full);
    const std::string told = notKeptText(failures[0].kind, failures[0].outcome);
    EXPECT_NE(told.find("磁盘已满"), std::string::npos) << told;
    const std::size_t storedBefore = writer->allRuns().size();

    // The failed write was rolled back: the same session stores again, and so can another.
    disk.makeRoom();
    writer->storeRun(numberedRun(1000));
    writer->waitUntilWritten();
    EXPECT_TRUE(writer->takeFailures().empty());
    EXPECT_EQ(writer->allRuns().size(), storedBefore + 1);
    HistoryOpening another = openHistoryFile(file);
    ASSERT_TRUE(another.store) << another.message;
    EXPECT_EQ(another.store->storeRun(numberedRun(1001)), StoreOutcome::Stored);
}

}  // namespace
