#include "history/history_writer.h"

#include <cstdio>
#include <utility>

#include "history/run_journal.h"

namespace {

constexpr auto kBusyPause = std::chrono::milliseconds(50);
constexpr int kBusyAttemptsAtExit = 1;

// True for the writes that are records of a child's work, kept in the journal at exit.
bool isRecord(WriteKind kind) {
    return kind == WriteKind::Run || kind == WriteKind::Paper || kind == WriteKind::Drill ||
           kind == WriteKind::LevelTest;
}

// What the person is told of `held` records kept out at exit, `kept` of them in the journal
// named `journal`.
std::string heldAtExitText(std::size_t held, std::size_t kept, const std::string& journal) {
    const std::string start =
        "另一个童趣星正在使用学习记录文件，还有" + std::to_string(held) + "条记录没能存入";
    if (kept == held) {
        return start + "；它们已暂存在“" + journal + "”中，下次启动时会存入学习记录。";
    }
    return start + "，其中" + std::to_string(held - kept) + "条无法暂存，已经丢失。";
}

}  // namespace

HistoryWriter::HistoryWriter(std::unique_ptr<HistoryStore> store,
                             std::chrono::milliseconds readWait, std::function<void()> failed,
                             ExitJournal journal)
    : store_(std::move(store)),
      readWait_(readWait),
      failed_(std::move(failed)),
      journal_(std::move(journal)),
      thread_([this] { writeQueue(); }) {}

HistoryWriter::HistoryWriter(std::function<std::unique_ptr<HistoryStore>()> open,
                             std::function<void()> opened, std::chrono::milliseconds readWait,
                             std::function<void()> failed, ExitJournal journal)
    : readWait_(readWait),
      failed_(std::move(failed)),
      journal_(std::move(journal)),
      thread_([this, open = std::move(open), opened = std::move(opened)] {
          openAndWriteQueue(open, opened);
      }) {}

void HistoryWriter::openAndWriteQueue(const std::function<std::unique_ptr<HistoryStore>()>& open,
                                      const std::function<void()>& opened) {
    std::unique_ptr<HistoryStore> store = open();
    {
        std::lock_guard storeLock(storeMutex_);
        store_ = std::move(store);
    }
    if (opened) opened();
    writeQueue();
}

// What could still not be stored at exit is said on standard error, as the window is gone.
HistoryWriter::~HistoryWriter() {
    if (const std::string told = finishWrites(); !told.empty()) {
        std::fprintf(stderr, "%s\n", told.c_str());
    }
    for (const LateOutcome& failure : failures_) {
        const std::string text = notKeptText(failure.kind, failure.outcome);
        if (!text.empty()) std::fprintf(stderr, "%s\n", text.c_str());
    }
}

StoreOutcome HistoryWriter::enqueue(WriteKind kind,
                                    std::function<StoreOutcome(HistoryStore&)> write) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back({kind, std::move(write)});
    }
    queued_.notify_one();
    return StoreOutcome::Queued;
}

StoreOutcome HistoryWriter::storeRun(const StoredRun& run) {
    return enqueue(WriteKind::Run, [run](HistoryStore& store) { return store.storeRun(run); });
}

StoreOutcome HistoryWriter::storePaper(const StoredPaper& paper) {
    return enqueue(WriteKind::Paper,
                   [paper](HistoryStore& store) { return store.storePaper(paper); });
}

StoreOutcome HistoryWriter::storeDrill(const StoredDrill& drill) {
    return enqueue(WriteKind::Drill,
                   [drill](HistoryStore& store) { return store.storeDrill(drill); });
}

StoreOutcome HistoryWriter::storeLevelTest(const StoredLevelTest& test) {
    return enqueue(WriteKind::LevelTest,
                   [test](HistoryStore& store) { return store.storeLevelTest(test); });
}

StoreOutcome HistoryWriter::setSetting(const std::string& learner, const std::string& key,
                                       const std::string& value) {
    return enqueue(WriteKind::Setting, [learner, key, value](HistoryStore& store) {
        return store.setSetting(learner, key, value);
    });
}

StoreOutcome HistoryWriter::takeOutOfBook(const std::string& learner,
                                          const StoredQuestion& question) {
    return enqueue(WriteKind::BookMark, [learner, question](HistoryStore& store) {
        return store.takeOutOfBook(learner, question);
    });
}

template <typename Read>
auto HistoryWriter::afterQueuedWrites(Read read) {
    {
        std::unique_lock lock(queueMutex_);
        written_.wait_for(lock, readWait_, [this] { return queue_.empty(); });
    }
    std::lock_guard storeLock(storeMutex_);
    return read(current());
}

std::vector<StoredRun> HistoryWriter::runsOf(const std::string& learner) {
    return afterQueuedWrites([&](HistoryStore& store) { return store.runsOf(learner); });
}

std::vector<WrongQuestion> HistoryWriter::wrongQuestionsOf(const std::string& learner) {
    return afterQueuedWrites([&](HistoryStore& store) { return store.wrongQuestionsOf(learner); });
}

std::vector<StoredRun> HistoryWriter::allRuns() {
    return afterQueuedWrites([](HistoryStore& store) { return store.allRuns(); });
}

std::vector<StoredQuestion> HistoryWriter::questionsOf(long long runId) {
    return afterQueuedWrites([&](HistoryStore& store) { return store.questionsOf(runId); });
}

std::vector<StoredPaper> HistoryWriter::allPapers() {
    return afterQueuedWrites([](HistoryStore& store) { return store.allPapers(); });
}

std::vector<StoredDrill> HistoryWriter::allDrills() {
    return afterQueuedWrites([](HistoryStore& store) { return store.allDrills(); });
}

std::vector<StoredLevelTest> HistoryWriter::levelTests(const std::string& learner) {
    return afterQueuedWrites([&learner](HistoryStore& store) { return store.levelTests(learner); });
}

std::vector<LearnerSummary> HistoryWriter::learners() {
    return afterQueuedWrites([](HistoryStore& store) { return store.learners(); });
}

std::optional<std::string> HistoryWriter::setting(const std::string& learner,
                                                  const std::string& key) {
    return afterQueuedWrites([&](HistoryStore& store) { return store.setting(learner, key); });
}

std::string HistoryWriter::finishWrites() {
    {
        std::lock_guard lock(queueMutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    if (thread_.joinable()) thread_.join();
    {
        std::lock_guard lock(queueMutex_);
        finished_ = true;
    }
    written_.notify_all();
    std::vector<PendingWrite> held = std::exchange(heldAtExit_, {});
    // Writes handed over after the thread ended are stored here, in order, while the file is free.
    for (const PendingWrite& write : std::exchange(queue_, {})) {
        StoreOutcome outcome = StoreOutcome::Busy;
        if (held.empty()) {
            std::lock_guard storeLock(storeMutex_);
            outcome = write.write(current());
        }
        if (outcome == StoreOutcome::Busy && isRecord(write.kind)) {
            held.push_back(write);
        } else if (outcome != StoreOutcome::Stored && outcome != StoreOutcome::NotKept) {
            failures_.push_back({write.kind, outcome});
        }
    }
    if (held.empty()) return {};
    std::size_t kept = 0;
    if (const auto journal = journal_.open ? journal_.open() : nullptr) {
        for (const PendingWrite& write : held) {
            if (write.write(*journal) == StoreOutcome::Stored) ++kept;
        }
    }
    return heldAtExitText(held.size(), kept, journal_.name);
}

void HistoryWriter::waitUntilWritten() {
    std::unique_lock lock(queueMutex_);
    written_.wait(lock, [this] { return queue_.empty(); });
}

void HistoryWriter::waitUntilWrittenOrHeld() {
    std::unique_lock lock(queueMutex_);
    written_.wait(lock, [this] { return queue_.empty() || held_ || finished_; });
}

std::vector<LateOutcome> HistoryWriter::takeFailures() {
    std::lock_guard lock(queueMutex_);
    return std::exchange(failures_, {});
}

StoreOutcome HistoryWriter::storeInTurn(const PendingWrite& write) {
    int attemptsAtExit = 0;
    for (;;) {
        StoreOutcome outcome;
        {
            std::lock_guard storeLock(storeMutex_);
            outcome = write.write(current());
        }
        if (outcome != StoreOutcome::Busy) return outcome;
        {
            std::unique_lock lock(queueMutex_);
            held_ = true;
            written_.notify_all();
            if (stopping_ && ++attemptsAtExit >= kBusyAttemptsAtExit) return outcome;
            queued_.wait_for(lock, kBusyPause, [this] { return stopping_; });
        }
    }
}

void HistoryWriter::writeQueue() {
    std::unique_lock lock(queueMutex_);
    for (;;) {
        queued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;
        const PendingWrite next = queue_.front();
        StoreOutcome outcome = StoreOutcome::Busy;
        // Once the file is found held at exit, the rest follows in order without waiting again.
        if (!stopping_ || !held_) {
            lock.unlock();
            outcome = storeInTurn(next);
            lock.lock();
        }
        queue_.pop_front();
        held_ = outcome == StoreOutcome::Busy;
        const bool heldAtExit = held_ && stopping_ && isRecord(next.kind);
        if (heldAtExit) heldAtExit_.push_back(next);
        // A store that keeps nothing has said so once, when it was opened.
        const bool failed =
            outcome != StoreOutcome::Stored && outcome != StoreOutcome::NotKept && !heldAtExit;
        if (failed) failures_.push_back({next.kind, outcome});
        written_.notify_all();
        if (failed && failed_ && !stopping_) {
            lock.unlock();
            failed_();
            lock.lock();
        }
    }
}
