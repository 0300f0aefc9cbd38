#include "history/history_writer.h"

#include <cstdio>
#include <utility>

#include "history/run_journal.h"

namespace {

constexpr auto kBusyPause = std::chrono::milliseconds(50);
constexpr int kBusyAttemptsAtExit = 3;

}  // namespace

HistoryWriter::HistoryWriter(std::unique_ptr<HistoryStore> store,
                             std::chrono::milliseconds readWait, std::function<void()> failed)
    : store_(std::move(store)),
      readWait_(readWait),
      failed_(std::move(failed)),
      thread_([this] { writeQueue(); }) {}

// What could still not be stored at exit is said on standard error, as the window is gone.
HistoryWriter::~HistoryWriter() {
    {
        std::lock_guard lock(queueMutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    thread_.join();
    for (const LateOutcome& failure : failures_) {
        std::fprintf(stderr, "%s\n", notKeptText(failure.kind, failure.outcome).c_str());
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
    return read(*store_);
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

void HistoryWriter::waitUntilWritten() {
    std::unique_lock lock(queueMutex_);
    written_.wait(lock, [this] { return queue_.empty(); });
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
            outcome = write.write(*store_);
        }
        if (outcome != StoreOutcome::Busy) return outcome;
        {
            std::unique_lock lock(queueMutex_);
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
        lock.unlock();
        const StoreOutcome outcome = storeInTurn(next);
        lock.lock();
        queue_.pop_front();
        const bool failed = outcome != StoreOutcome::Stored;
        if (failed) failures_.push_back({next.kind, outcome});
        written_.notify_all();
        if (failed && failed_ && !stopping_) {
            lock.unlock();
            failed_();
            lock.lock();
        }
    }
}
