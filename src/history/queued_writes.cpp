#include "history/queued_writes.h"

#include <algorithm>
#include <set>
#include <type_traits>

#include "history/record_id.h"

namespace {

// The queued records of type `Record`, in the order made, but for those `stored` already holds.
template <typename Record>
std::vector<Record> queuedOnly(const std::vector<QueuedWrite>& queued,
                               const std::vector<Record>& stored) {
    std::set<std::string> storedIds;
    for (const Record& record : stored) storedIds.insert(record.uuid);
    std::vector<Record> records;
    for (const QueuedWrite& write : queued) {
        const auto* record = std::get_if<Record>(&write);
        if (record != nullptr && !storedIds.contains(record->uuid)) records.push_back(*record);
    }
    return records;
}

// `stored` followed by the queued records of its type.
template <typename Record>
std::vector<Record> withQueued(std::vector<Record> stored, const std::vector<QueuedWrite>& queued) {
    std::vector<Record> added = queuedOnly(queued, stored);
    stored.insert(stored.end(), added.begin(), added.end());
    return stored;
}

// True when the book's `entry` is the question `mark` takes out of it, as the file matches it:
// a level question by its text and answer, a run's by its terms, leaving out the blank's own.
bool marks(const StoredQuestion& mark, const WrongQuestion& entry) {
    const StoredQuestion& question = entry.question;
    if (mark.operatorSign.empty()) {
        return entry.level >= 0 && question.firstTerm == mark.firstTerm &&
               question.rightAnswer == mark.rightAnswer;
    }
    const int blank = mark.blankPosition;
    return entry.level < 0 && question.operatorSign == mark.operatorSign &&
           question.blankPosition == mark.blankPosition &&
           question.rightAnswer == mark.rightAnswer &&
           (blank == 1 || blank == 2 || question.firstTerm == mark.firstTerm) &&
           (blank == 2 || question.secondTerm == mark.secondTerm) &&
           (blank == 1 || question.resultTerm == mark.resultTerm);
}

// The book's entries of a queued run: exam questions answered wrong, practice ones tried twice.
void addRunEntries(const StoredRun& run, std::vector<WrongQuestion>& book) {
    for (const StoredQuestion& question : run.questions) {
        if (!question.right || (!run.exam && !question.practiceAttempts.empty())) {
            book.push_back({run.startDate, run.mode, question, run.exam, -1});
        }
    }
}

// The book's entries of a queued level test: its questions answered wrong or left open.
void addLevelEntries(const StoredLevelTest& test, std::vector<WrongQuestion>& book) {
    for (const StoredLevelQuestion& level : test.questions) {
        if (level.right) continue;
        StoredQuestion question;
        question.firstTerm = level.question;
        question.blankPosition = 1;
        question.typedAnswer = level.typedAnswer;
        question.rightAnswer = level.rightAnswer;
        book.push_back({test.date, "", question, true, test.level});
    }
}

// The learner and the day of a queued record; nullopt for a setting or a mark.
std::optional<LearnerSummary> learnerOf(const QueuedWrite& write) {
    return std::visit(
        [](const auto& record) -> std::optional<LearnerSummary> {
            using Record = std::decay_t<decltype(record)>;
            if constexpr (std::is_same_v<Record, StoredRun>) {
                return LearnerSummary{record.learner, record.startDate};
            } else if constexpr (std::is_same_v<Record, SettingChange> ||
                                 std::is_same_v<Record, BookMark>) {
                return std::nullopt;
            } else {
                return LearnerSummary{record.learner, record.date};
            }
        },
        write);
}

}  // namespace

WriteKind kindOf(const QueuedWrite& write) { return static_cast<WriteKind>(write.index()); }

bool isRecord(WriteKind kind) {
    return kind == WriteKind::Run || kind == WriteKind::Paper || kind == WriteKind::Drill ||
           kind == WriteKind::LevelTest;
}

QueuedWrite withRecordId(QueuedWrite write) {
    std::visit(
        [](auto& record) {
            using Record = std::decay_t<decltype(record)>;
            if constexpr (!std::is_same_v<Record, SettingChange> &&
                          !std::is_same_v<Record, BookMark>) {
                if (record.uuid.empty()) record.uuid = newRecordId();
            }
        },
        write);
    return write;
}

StoreOutcome storeWrite(HistoryStore& store, const QueuedWrite& write) {
    return std::visit(
        [&store](const auto& record) {
            using Record = std::decay_t<decltype(record)>;
            if constexpr (std::is_same_v<Record, StoredRun>) {
                return store.storeRun(record);
            } else if constexpr (std::is_same_v<Record, StoredPaper>) {
                return store.storePaper(record);
            } else if constexpr (std::is_same_v<Record, StoredDrill>) {
                return store.storeDrill(record);
            } else if constexpr (std::is_same_v<Record, StoredLevelTest>) {
                return store.storeLevelTest(record);
            } else if constexpr (std::is_same_v<Record, SettingChange>) {
                return store.setSetting(record.learner, record.key, record.value);
            } else {
                return store.takeOutOfBook(record.learner, record.question);
            }
        },
        write);
}

std::vector<StoredRun> withQueuedRuns(std::vector<StoredRun> stored,
                                      const std::vector<QueuedWrite>& queued,
                                      const std::string& learner) {
    std::vector<StoredRun> runs;
    for (StoredRun& run : queuedOnly(queued, stored)) {
        if (run.learner != learner) continue;
        run.firstTryRight = static_cast<int>(
            std::count_if(run.questions.begin(), run.questions.end(), [](const auto& question) {
                return question.right && question.practiceAttempts.empty();
            }));
        run.questions.clear();
        runs.insert(runs.begin(), std::move(run));
    }
    runs.insert(runs.end(), stored.begin(), stored.end());
    // A queued run is newer than a stored one of the same moment.
    std::stable_sort(runs.begin(), runs.end(), [](const StoredRun& left, const StoredRun& right) {
        return std::tie(left.startDate, left.startTime) >
               std::tie(right.startDate, right.startTime);
    });
    return runs;
}

std::vector<StoredRun> withEveryQueuedRun(std::vector<StoredRun> stored,
                                          const std::vector<QueuedWrite>& queued) {
    return withQueued(std::move(stored), queued);
}

std::vector<StoredPaper> withQueuedPapers(std::vector<StoredPaper> stored,
                                          const std::vector<QueuedWrite>& queued) {
    return withQueued(std::move(stored), queued);
}

std::vector<StoredDrill> withQueuedDrills(std::vector<StoredDrill> stored,
                                          const std::vector<QueuedWrite>& queued) {
    return withQueued(std::move(stored), queued);
}

std::vector<StoredLevelTest> withQueuedLevelTests(std::vector<StoredLevelTest> stored,
                                                  const std::vector<QueuedWrite>& queued,
                                                  const std::string& learner) {
    for (StoredLevelTest& test : queuedOnly(queued, stored)) {
        if (learner.empty() || test.learner == learner) stored.push_back(std::move(test));
    }
    return stored;
}

std::vector<WrongQuestion> withQueuedBook(std::vector<WrongQuestion> stored,
                                          const std::vector<QueuedWrite>& queued,
                                          const std::string& learner) {
    std::vector<WrongQuestion> book;
    // Newest first: the queued records were made after the stored ones, the last made first.
    for (auto write = queued.rbegin(); write != queued.rend(); ++write) {
        if (const auto* run = std::get_if<StoredRun>(&*write); run && run->learner == learner) {
            addRunEntries(*run, book);
        } else if (const auto* test = std::get_if<StoredLevelTest>(&*write);
                   test && test->learner == learner) {
            addLevelEntries(*test, book);
        }
    }
    book.insert(book.end(), stored.begin(), stored.end());
    for (const QueuedWrite& write : queued) {
        const auto* mark = std::get_if<BookMark>(&write);
        if (mark == nullptr || mark->learner != learner) continue;
        std::erase_if(book,
                      [mark](const WrongQuestion& entry) { return marks(mark->question, entry); });
    }
    return book;
}

std::vector<LearnerSummary> withQueuedLearners(std::vector<LearnerSummary> stored,
                                               const std::vector<QueuedWrite>& queued) {
    // Each queued record was made after every stored one, so its learner comes first.
    for (const QueuedWrite& write : queued) {
        std::optional<LearnerSummary> latest = learnerOf(write);
        if (!latest) continue;
        const auto known = std::find_if(stored.begin(), stored.end(), [&](const auto& learner) {
            return learner.name == latest->name;
        });
        if (known != stored.end()) {
            latest->lastDate = std::max(latest->lastDate, known->lastDate);
            stored.erase(known);
        }
        stored.insert(stored.begin(), std::move(*latest));
    }
    return stored;
}

std::optional<std::string> withQueuedSetting(std::optional<std::string> stored,
                                             const std::vector<QueuedWrite>& queued,
                                             const std::string& learner, const std::string& key) {
    for (const QueuedWrite& write : queued) {
        const auto* change = std::get_if<SettingChange>(&write);
        if (change != nullptr && change->learner == learner && change->key == key) {
            stored = change->value;
        }
    }
    return stored;
}
