#pragma once
// The writes the history's writer holds in memory until they are stored, and how a read adds
// them to what the file already holds, so the window sees every write handed over without
// waiting for the file. A record stored meanwhile is told apart by its id and counted once.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/history_store.h"

enum class WriteKind { Run, Paper, Drill, LevelTest, Setting, BookMark };

// A learner's setting given a new value.
struct SettingChange {
    std::string learner;
    std::string key;
    std::string value;
};

// A question taken out of a learner's wrong-question book.
struct BookMark {
    std::string learner;
    StoredQuestion question;
};

using QueuedWrite =
    std::variant<StoredRun, StoredPaper, StoredDrill, StoredLevelTest, SettingChange, BookMark>;

// What kind of write `write` is.
WriteKind kindOf(const QueuedWrite& write);
// True for the writes that are records of a child's work, kept in the journal at exit.
bool isRecord(WriteKind kind);
// Gives a record that has no id yet a new one.
QueuedWrite withRecordId(QueuedWrite write);
// Stores `write` in `store`.
StoreOutcome storeWrite(HistoryStore& store, const QueuedWrite& write);

// The learner's runs, newest first: `stored` with the queued ones added.
std::vector<StoredRun> withQueuedRuns(std::vector<StoredRun> stored,
                                      const std::vector<QueuedWrite>& queued,
                                      const std::string& learner);
// Every run in the order made: `stored` with the queued ones after them, questions and all.
std::vector<StoredRun> withEveryQueuedRun(std::vector<StoredRun> stored,
                                          const std::vector<QueuedWrite>& queued);
// Every paper in the order made.
std::vector<StoredPaper> withQueuedPapers(std::vector<StoredPaper> stored,
                                          const std::vector<QueuedWrite>& queued);
// Every drill chain in the order made.
std::vector<StoredDrill> withQueuedDrills(std::vector<StoredDrill> stored,
                                          const std::vector<QueuedWrite>& queued);
// The level tests of `learner` (of everyone when empty) in the order made.
std::vector<StoredLevelTest> withQueuedLevelTests(std::vector<StoredLevelTest> stored,
                                                  const std::vector<QueuedWrite>& queued,
                                                  const std::string& learner);
// The learner's wrong-question book with the queued runs' and tests' wrong questions before
// the stored ones, and without the questions queued to leave it.
std::vector<WrongQuestion> withQueuedBook(std::vector<WrongQuestion> stored,
                                          const std::vector<QueuedWrite>& queued,
                                          const std::string& learner);
// Every learner, the one with the latest record first, counting the queued records.
std::vector<LearnerSummary> withQueuedLearners(std::vector<LearnerSummary> stored,
                                               const std::vector<QueuedWrite>& queued);
// The learner's setting as last queued, else as stored.
std::optional<std::string> withQueuedSetting(std::optional<std::string> stored,
                                             const std::vector<QueuedWrite>& queued,
                                             const std::string& learner, const std::string& key);
