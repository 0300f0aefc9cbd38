#include "history/history_writer.h"

#include <cstdio>
#include <utility>

#include "history/run_journal.h"

namespace {

constexpr auto kBusyPause = std::chrono::milliseconds(50);
constexpr int kBusyAttemptsAtExit = 1;
// How often a read starts again because a write was stored while it read, before it settles
// for telling the records apart by their ids.
constexpr int kReadAttempts = 3;

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

HistoryWriter::HistoryWriter(std::unique_ptr<HistoryStore> store, std::function<void()> failed,
                             ExitJournal journal, ReaderOpening openReader)
    : store_(std::move(store)),
      failed_(std::move(failed)),
      openReader_(std::move(openReader)),
      journal_(std::move(journal)),
      thread_([this] { writeQueue(); }) {}

HistoryWriter::HistoryWriter(std::function<OpenedHistory()> open, std::function<void()> opened,
                             std::function<void()> failed, ExitJournal journal)
    : failed_(std::move(failed)),
      journal_(std::move(journal)),
      thread_([this, open = std::move(open), opened = std::move(opened)] {
          openAndWriteQueue(open, opened);
      }) {}

void HistoryWriter::openAndWriteQueue(const std::function<OpenedHistory()>& open,
                                      const std::function<void()>& opened) {
    OpenedHistory history = open();
    {
        std::lock_guard storeLock(storeMutex_);
        store_ = std::move(history.store);
    }
    {
        std::lock_guard readersLock(readersMutex_);
        openReader_ = std::move(history.openReader);
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

StoreOutcome HistoryWriter::enqueue(QueuedWrite write) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back(withRecordId(std::move(write)));
    }
    queued_.notify_one();
    return StoreOutcome::Queued;
}

StoreOutcome HistoryWriter::storeRun(const StoredRun& run) { return enqueue(run); }

StoreOutcome HistoryWriter::storePaper(const StoredPaper& paper) { return enqueue(paper); }

StoreOutcome HistoryWriter::storeDrill(const StoredDrill& drill) { return enqueue(drill); }

StoreOutcome HistoryWriter::storeLevelTest(const StoredLevelTest& test) { return enqueue(test); }

StoreOutcome HistoryWriter::setSetting(const std::string& learner, const std::string& key,
                                       const std::string& value) {
    return enqueue(SettingChange{learner, key, value});
}

StoreOutcome HistoryWriter::takeOutOfBook(const std::string& learner,
                                          const StoredQuestion& question) {
    return enqueue(BookMark{learner, question});
}

template <typename Read>
auto HistoryWriter::onReader(Read read) {
    std::unique_ptr<HistoryStore> reader;
    {
        std::lock_guard readersLock(readersMutex_);
        if (!idle_.empty()) {
            reader = std::move(idle_.back());
            idle_.pop_back();
        } else if (openReader_) {
            reader = openReader_();
        }
    }
    if (!reader) {
        std::lock_guard storeLock(storeMutex_);
        return read(current());
    }
    auto result = read(*reader);
    std::lock_guard readersLock(readersMutex_);
    idle_.push_back(std::move(reader));
    return result;
}

template <typename Read, typename AddQueued>
auto HistoryWriter::storedAndQueued(Read read, AddQueued addQueued) {
    for (int attempt = 1;; ++attempt) {
        std::vector<QueuedWrite> queued;
        unsigned long long doneBefore = 0;
        {
            std::lock_guard lock(queueMutex_);
            queued.assign(queue_.begin(), queue_.end());
            doneBefore = done_;
        }
        auto stored = onReader(read);
        std::lock_guard lock(queueMutex_);
        if (done_ == doneBefore || attempt == kReadAttempts) {
            return addQueued(std::move(stored), queued);
        }
    }
}

std::vector<StoredRun> HistoryWriter::runsOf(const std::string& learner) {
    return storedAndQueued([&](HistoryStore& store) { return store.runsOf(learner); },
                           [&](std::vector<StoredRun> stored, const auto& queued) {
                               return withQueuedRuns(std::move(stored), queued, learner);
                           });
}

std::vector<WrongQuestion> HistoryWriter::wrongQuestionsOf(const std::string& learner) {
    return storedAndQueued([&](HistoryStore& store) { return store.wrongQuestionsOf(learner); },
                           [&](std::vector<WrongQuestion> stored, const auto& queued) {
                               return withQueuedBook(std::move(stored), queued, learner);
                           });
}

std::vector<StoredRun> HistoryWriter::allRuns() {
    return storedAndQueued([](HistoryStore& store) { return store.allRuns(); },
                           [](std::vector<StoredRun> stored, const auto& queued) {
                               return withEveryQueuedRun(std::move(stored), queued);
                           });
}

std::vector<StoredQuestion> HistoryWriter::questionsOf(long long runId) {
    return onReader([&](HistoryStore& store) { return store.questionsOf(runId); });
}

std::vector<StoredPaper> HistoryWriter::allPapers() {
    return storedAndQueued([](HistoryStore& store) { return store.allPapers(); },
                           [](std::vector<StoredPaper> stored, const auto& queued) {
                               return withQueuedPapers(std::move(stored), queued);
                           });
}

std::vector<StoredDrill> HistoryWriter::allDrills() {
    return storedAndQueued([](HistoryStore& store) { return store.allDrills(); },
                           [](std::vector<StoredDrill> stored, const auto& queued) {
                               return withQueuedDrills(std::move(stored), queued);
                           });
}

std::vector<StoredLevelTest> HistoryWriter::levelTests(const std::string& learner) {
    return storedAndQueued([&](HistoryStore& store) { return store.levelTests(learner); },
                           [&](std::vector<StoredLevelTest> stored, const auto& queued) {
                               return withQueuedLevelTests(std::move(stored), queued, learner);
                           });
}

std::vector<StoredLevelQuestion> HistoryWriter::levelQuestionsOf(long long testId) {
    return onReader([&](HistoryStore& store) { return store.levelQuestionsOf(testId); });
}

std::vector<LearnerSummary> HistoryWriter::learners() {
    return storedAndQueued([](HistoryStore& store) { return store.learners(); },
                           [](std::vector<LearnerSummary> stored, const auto& queued) {
                               return withQueuedLearners(std::move(stored), queued);
                           });
}

std::optional<std::string> HistoryWriter::setting(const std::string& learner,
                                                  const std::string& key) {
    return storedAndQueued([&](HistoryStore& store) { return store.setting(learner, key); },
                           [&](std::optional<std::string> stored, const auto& queued) {
                               return withQueuedSetting(std::move(stored), queued, learner, key);
                           });
}

std::string HistoryWriter::finishWrites() {
    {
        std::lock_guard lock(queueMutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    if (thread_.joinable()) thread_.join();
    std::deque<QueuedWrite> late;
    {
        std::lock_guard lock(queueMutex_);
        finished_ = true;
        late = std::exchange(queue_, {});
    }
    written_.notify_all();
    std::vector<QueuedWrite> held = std::exchange(heldAtExit_, {});
    // Writes handed over after the thread ended are stored here, in order, while the file is free.
    for (const QueuedWrite& write : late) {
        StoreOutcome outcome = StoreOutcome::Busy;
        if (held.empty()) {
            std::lock_guard storeLock(storeMutex_);
            outcome = storeWrite(current(), write);
        }
        if (outcome == StoreOutcome::Busy && isRecord(kindOf(write))) {
            held.push_back(write);
        } else if (outcome != StoreOutcome::Stored && outcome != StoreOutcome::NotKept) {
            failures_.push_back({kindOf(write), outcome});
        }
    }
    if (held.empty()) return {};
    std::size_t kept = 0;
    if (const auto journal = journal_.open ? journal_.open() : nullptr) {
        for (const QueuedWrite& write : held) {
            if (storeWrite(*journal, write) == StoreOutcome::Stored) ++kept;
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

StoreOutcome HistoryWriter::storeInTurn(const QueuedWrite& write) {
    int attemptsAtExit = 0;
    for (;;) {
        StoreOutcome outcome;
        {
            std::lock_guard storeLock(storeMutex_);
            outcome = storeWrite(current(), write);
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
        const QueuedWrite next = queue_.front();
        const WriteKind kind = kindOf(next);
        StoreOutcome outcome = StoreOutcome::Busy;
        // Once the file is found held at exit, the rest follows in order without waiting again.
        if (!stopping_ || !held_) {
            lock.unlock();
            outcome = storeInTurn(next);
            lock.lock();
        }
        queue_.pop_front();
        ++done_;
        held_ = outcome == StoreOutcome::Busy;
        const bool heldAtExit = held_ && stopping_ && isRecord(kind);
        if (heldAtExit) heldAtExit_.push_back(next);
        // A store that keeps nothing has said so once, when it was opened.
        const bool failed =
            outcome != StoreOutcome::Stored && outcome != StoreOutcome::NotKept && !heldAtExit;
        if (failed) failures_.push_back({kind, outcome});
        written_.notify_all();
        if (failed && failed_ && !stopping_) {
            lock.unlock();
            failed_();
            lock.lock();
        }
    }
}
