#pragma once
// Stores runs, papers, drill chains, level tests, settings and wrong-question book marks on a
// thread of its own, so the window never waits for the file: writes are queued in the order made
// and kept in memory until stored. While another trainer holds the file the writer tries again
// for as long as the program runs; at exit it stores what is queued, and what another trainer's
// lock still keeps out goes to a journal beside the history, stored at the next start. A read
// first waits until the writes before it are stored.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "model/history_store.h"

enum class WriteKind { Run, Paper, Drill, LevelTest, Setting, BookMark };

// A queued write that could not be stored, and why.
struct LateOutcome {
    WriteKind kind;
    StoreOutcome outcome;
};

// Where the records still held out by another trainer's lock at exit are kept until the next
// start: a store of their own, opened only when needed.
struct ExitJournal {
    std::string name;                                     // the journal's file name in messages
    std::function<std::unique_ptr<HistoryStore>()> open;  // nullptr when it cannot be opened
};

class HistoryWriter : public HistoryStore {
  public:
    // Writes into `store`; `readWait` bounds how long a read waits for queued writes while
    // another trainer holds the file. `failed` is called on the writer's thread whenever a
    // write could not be stored; `journal` keeps what is held out at exit.
    HistoryWriter(std::unique_ptr<HistoryStore> store, std::chrono::milliseconds readWait,
                  std::function<void()> failed = {}, ExitJournal journal = {});
    // Opens the store with `open` on the writer's own thread, so the caller never waits for the
    // file's checks, and calls `opened` there once it is done; writes handed over meanwhile are
    // queued, and reads find nothing kept until then. A null store keeps nothing.
    HistoryWriter(std::function<std::unique_ptr<HistoryStore>()> open, std::function<void()> opened,
                  std::chrono::milliseconds readWait, std::function<void()> failed = {},
                  ExitJournal journal = {});
    // Finishes the writes as finishWrites does and says on standard error what it would tell.
    ~HistoryWriter() override;
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    StoreOutcome storeRun(const StoredRun& run) override;
    StoreOutcome storePaper(const StoredPaper& paper) override;
    StoreOutcome storeDrill(const StoredDrill& drill) override;
    std::vector<StoredDrill> allDrills() override;
    StoreOutcome storeLevelTest(const StoredLevelTest& test) override;
    std::vector<StoredLevelTest> levelTests(const std::string& learner) override;
    StoreOutcome setSetting(const std::string& learner, const std::string& key,
                            const std::string& value) override;
    StoreOutcome takeOutOfBook(const std::string& learner, const StoredQuestion& question) override;
    std::vector<StoredRun> runsOf(const std::string& learner) override;
    std::vector<WrongQuestion> wrongQuestionsOf(const std::string& learner) override;
    std::vector<StoredRun> allRuns() override;
    std::vector<StoredQuestion> questionsOf(long long runId) override;
    std::vector<StoredPaper> allPapers() override;
    std::vector<LearnerSummary> learners() override;
    std::optional<std::string> setting(const std::string& learner, const std::string& key) override;

    // Stores what is queued, waiting once for another trainer holding the file, then stops the
    // thread; runs, papers, drill chains and level tests still held out go to the journal.
    // What to tell the person, empty when everything was stored.
    std::string finishWrites() override;
    // Waits until every write queued so far is stored or has failed.
    void waitUntilWritten();
    // Waits until every write queued so far is stored or has failed, or the writer is waiting
    // for another trainer to let the file go.
    void waitUntilWrittenOrHeld();
    // The writes that could not be stored since the last call, oldest first.
    std::vector<LateOutcome> takeFailures();

  private:
    struct PendingWrite {
        WriteKind kind;
        std::function<StoreOutcome(HistoryStore&)> write;
    };

    StoreOutcome enqueue(WriteKind kind, std::function<StoreOutcome(HistoryStore&)> write);
    // Runs `read` on the store once the queued writes are stored, or the wait is over.
    template <typename Read>
    auto afterQueuedWrites(Read read);
    // Stores one write, trying again while the file is held; its outcome.
    StoreOutcome storeInTurn(const PendingWrite& write);
    // The writer thread: stores the queue in order until stopped with nothing left.
    void writeQueue();
    // The writer thread when it opens the store itself: opens it, then writes the queue.
    void openAndWriteQueue(const std::function<std::unique_ptr<HistoryStore>()>& open,
                           const std::function<void()>& opened);
    // The store, or one that keeps nothing while there is none; under storeMutex_.
    HistoryStore& current() { return store_ ? *store_ : nothing_; }

    std::unique_ptr<HistoryStore> store_;
    NullHistoryStore nothing_;
    std::chrono::milliseconds readWait_;
    std::function<void()> failed_;
    std::mutex storeMutex_;  // one caller of store_ at a time
    std::mutex queueMutex_;
    std::condition_variable queued_;
    std::condition_variable written_;
    std::deque<PendingWrite> queue_;
    std::vector<LateOutcome> failures_;
    ExitJournal journal_;
    std::vector<PendingWrite> heldAtExit_;  // writes another trainer's lock kept out at exit
    bool held_ = false;                     // the last write found the file held
    bool stopping_ = false;
    bool finished_ = false;  // the thread has ended
    std::thread thread_;
};
