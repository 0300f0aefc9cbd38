// The history's writer thread: the window hands a run over without waiting, whatever holds
// the file; reads see every run handed over before them; at exit nothing queued is lost; and
// a write that fails says its true cause and leaves the file able to take the next run.

#include "history/history_writer.h"

#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <thread>

#include "history/history_fixture.h"
#include "history/run_journal.h"
#include "history/sqlite/queued_records.h"
#include "small_disk/small_disk.h"

namespace {

constexpr auto kReadWait = std::chrono::milliseconds(kHistoryBusyMilliseconds);

// The history at `file` behind a writer, failing the test when it cannot be opened.
std::unique_ptr<HistoryWriter> writerOn(const std::string& file) {
    HistoryOpening opening = openHistoryFile(file);
    EXPECT_TRUE(opening.store) << opening.message;
    return std::make_unique<HistoryWriter>(std::move(opening.store), kReadWait);
}

// A run told apart from the others by the seconds it used.
StoredRun numberedRun(int number) {
    StoredRun run = sampleRun("豆 豆", "2026-12-08", 10);
    run.secondsUsed = number;
    return run;
}

TEST_F(HistoryFolder, RunsHandedOverWhileAnotherTrainerHoldsTheFileAreStoredOnceItLetsGo) {
    std::atomic<bool> failed{false};
    HistoryWriter writer(openStore(), kReadWait, [&failed] { failed = true; });
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
    HistoryWriter writer(openStore(), kReadWait, {}, queuedRecordsJournal(path));
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
    writer.waitUntilWrittenOrHeld();  // returns while the file is held
    const std::string told = writer.finishWrites();
    EXPECT_NE(told.find("4条记录没能存入"), std::string::npos) << told;
    EXPECT_NE(told.find("“history.sqlite3.queued”"), std::string::npos) << told;
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 0);
    ASSERT_EQ(write(toChild[1], "g", 1), 1);
    int status = 0;
    waitpid(other, &status, 0);

    HistoryOpening next = openHistoryFile(path);
    ASSERT_TRUE(next.store) << next.message;
    EXPECT_NE(next.message.find("4条记录暂存在“history.sqlite3.queued”中，现已存入"),
              std::string::npos)
        << next.message;
    const std::vector<StoredRun> runs = next.store->allRuns();
    ASSERT_EQ(runs.size(), 3u);
    for (int run = 0; run < 3; ++run) EXPECT_EQ(runs[run].secondsUsed, run) << "in order";
    EXPECT_EQ(next.store->questionsOf(runs[2].id).size(), 10u);
    EXPECT_EQ(next.store->allDrills().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(path + ".queued"));
    EXPECT_EQ(openHistoryFile(path).message, "") << "stored once";
}

TEST_F(HistoryFolder, AWriterOpeningTheFileOnItsOwnThreadQueuesWhatIsHandedOverMeanwhile) {
    std::promise<void> checksMayEnd;
    std::atomic<bool> opened{false};
    HistoryWriter writer(
        [&] {
            checksMayEnd.get_future().wait();
            return openHistoryFile(path).store;
        },
        [&opened] { opened = true; }, kReadWait);
    // The caller goes on while the file is being checked: a run is queued, a read finds
    // nothing kept yet.
    EXPECT_EQ(writer.storeRun(numberedRun(7)), StoreOutcome::Queued);
    EXPECT_TRUE(writer.learners().empty());
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
