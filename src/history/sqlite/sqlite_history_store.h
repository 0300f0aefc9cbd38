#pragma once
// The learner history in one SQLite file, on a connection the opening procedure has checked,
// set to write-ahead logging and brought to the current schema.

#include <sqlite3.h>

#include <memory>

#include "history/sqlite/sqlite_statement.h"
#include "model/history_store.h"

class SqliteHistoryStore : public HistoryStore {
  public:
    // Takes over `database`, which is closed with the store.
    explicit SqliteHistoryStore(sqlite3* database);
    ~SqliteHistoryStore() override;
    SqliteHistoryStore(const SqliteHistoryStore&) = delete;
    SqliteHistoryStore& operator=(const SqliteHistoryStore&) = delete;

    StoreOutcome storeRun(const StoredRun& run) override;
    StoreOutcome storePaper(const StoredPaper& paper) override;
    StoreOutcome storeDrill(const StoredDrill& drill) override;
    std::vector<StoredDrill> allDrills() override;
    StoreOutcome storeLevelTest(const StoredLevelTest& test) override;
    std::vector<StoredLevelTest> levelTests(const std::string& learner) override;
    std::vector<StoredLevelQuestion> levelQuestionsOf(long long testId) override;
    std::vector<StoredRun> runsOf(const std::string& learner) override;
    std::vector<WrongQuestion> wrongQuestionsOf(const std::string& learner) override;
    StoreOutcome takeOutOfBook(const std::string& learner, const StoredQuestion& question) override;
    std::vector<StoredRun> allRuns() override;
    std::vector<StoredQuestion> questionsOf(long long runId) override;
    std::vector<StoredPaper> allPapers() override;
    std::vector<LearnerSummary> learners() override;
    std::optional<std::string> setting(const std::string& learner, const std::string& key) override;
    StoreOutcome setSetting(const std::string& learner, const std::string& key,
                            const std::string& value) override;

  private:
    // Runs `write` inside one immediate transaction, committed only when it succeeds.
    template <typename Write>
    StoreOutcome inTransaction(Write write);
    // True when `table` already holds the record of `uuid`, which is then not stored again.
    bool holds(const char* table, const std::string& uuid);
    bool insertQuestions(long long runId, const StoredRun& run);
    // Every question of a level test, under the test numbered `testId`.
    bool insertLevelQuestions(long long testId, const StoredLevelTest& test);

    sqlite3* database_;
    SqliteStatement begin_;
    SqliteStatement commit_;
    SqliteStatement rollback_;
    SqliteStatement insertRun_;
    SqliteStatement insertQuestion_;
    SqliteStatement insertPaper_;
};
