#pragma once
// Stores runs, papers, drill chains, level tests, settings and wrong-question book marks on a
// thread of its own, so the window never waits for the file: writes are queued in the order made
// and kept in memory until stored. While another trainer holds the file the writer tries again
// for as long as the program runs; at exit it stores what is queued, and what another trainer's
// lock still keeps out goes to a journal beside the history, stored at the next start. A read
// never waits for the writer: it reads what the file holds on a connection of its own and adds
// what is still queued.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "history/queued_writes.h"
#include "model/history_store.h"

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

// Opens another connection to the history for reading, or nullptr when it cannot.
using ReaderOpening = std::function<std::unique_ptr<HistoryStore>()>;

// The history a writer opens on its own thread: the store it writes, and how to open readers.
struct OpenedHistory {
    std::unique_ptr<HistoryStore> store;  // nullptr when no record can be kept this time
    ReaderOpening openReader;             // empty: reads go to the store itself
};

class HistoryWriter : public HistoryStore {
  public:
    // Writes into `store`. `failed` is called on the writer's thread whenever a write could not
    // be stored; `journal` keeps what is held out at exit; reads go to connections
    // `openReader` opens, or to `store` itself when there is none.
    explicit HistoryWriter(std::unique_ptr<HistoryStore> store, std::function<void()> failed = {},
                           ExitJournal journal = {}, ReaderOpening openReader = {});
    // Opens the store with `open` on the writer's own thread, so the caller never waits for the
    // file's checks, and calls `opened` there once it is done; writes handed over meanwhile are
    // queued, and reads find only those until then. A null store keeps nothing.
    HistoryWriter(std::function<OpenedHistory()> open, std::function<void()> opened,
                  std::function<void()> failed = {}, ExitJournal journal = {});
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
    std::vector<StoredLevelQuestion> levelQuestionsOf(long long testId) override;
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
    StoreOutcome enqueue(QueuedWrite write);
    // Runs `read` on a reader and adds what is still queued with `addQueued`; read again when a
    // write was stored meanwhile, so nothing is counted twice.
    template <typename Read, typename AddQueued>
    auto storedAndQueued(Read read, AddQueued addQueued);
    // Runs `read` on an idle reader, opening one when none is idle, so reads never wait for
    // each other or for the writer; on the store itself when there is no reader.
    template <typename Read>
    auto onReader(Read read);
    // Stores one write, trying again while the file is held; its outcome.
    StoreOutcome storeInTurn(const QueuedWrite& write);
    // The writer thread: stores the queue in order until stopped with nothing left.
    void writeQueue();
    // The writer thread when it opens the store itself: opens it, then writes the queue.
    void openAndWriteQueue(const std::function<OpenedHistory()>& open,
                           const std::function<void()>& opened);
    // The store, or one that keeps nothing while there is none; under storeMutex_.
    HistoryStore& current() { return store_ ? *store_ : nothing_; }

    std::unique_ptr<HistoryStore> store_;
    NullHistoryStore nothing_;
    std::function<void()> failed_;
    std::mutex storeMutex_;  // one caller of store_ at a time
    std::mutex readersMutex_;
    ReaderOpening openReader_;                         // under readersMutex_
    std::vector<std::unique_ptr<HistoryStore>> idle_;  // readers not in use; under readersMutex_
    std::mutex queueMutex_;
    std::condition_variable queued_;
    std::condition_variable written_;
    std::deque<QueuedWrite> queue_;
    unsigned long long done_ = 0;  // writes taken off the queue so far
    std::vector<LateOutcome> failures_;
    ExitJournal journal_;
    std::vector<QueuedWrite> heldAtExit_;  // writes another trainer's lock kept out at exit
    bool held_ = false;                    // the last write found the file held
    bool stopping_ = false;
    bool finished_ = false;  // the thread has ended
    std::thread thread_;
};
