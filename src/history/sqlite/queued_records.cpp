#include "history/sqlite/queued_records.h"

#include <filesystem>

#include "history/sqlite/history_folder.h"

namespace {

constexpr char kJournalSuffix[] = ".queued";

// Stores each of `records` with `store`, counting them in `stored`; false at the first that fails.
template <typename Records, typename Store>
bool storeEach(const Records& records, int& stored, Store store) {
    for (const auto& record : records) {
        if (store(record) != StoreOutcome::Stored) return false;
        ++stored;
    }
    return true;
}

}  // namespace

ExitJournal queuedRecordsJournal(const std::string& historyPath) {
    const std::string journal = historyPath + kJournalSuffix;
    return {std::filesystem::path(journal).filename().string(),
            [journal] { return openHistoryFile(journal).store; }};
}

std::string storeQueuedRecords(const std::string& historyPath, HistoryStore& history) {
    const std::string path = historyPath + kJournalSuffix;
    if (kindAt(path) != FileKind::Plain) return {};
    const std::string name = std::filesystem::path(path).filename().string();
    HistoryOpening journal = openHistoryFile(path);
    if (!journal.store) {
        return "上次关闭时暂存在“" + name + "”中的记录读不出来：" + journal.message;
    }
    HistoryStore& queued = *journal.store;
    int stored = 0;
    std::vector<StoredRun> runs = queued.allRuns();
    for (StoredRun& run : runs) run.questions = queued.questionsOf(run.id);
    std::vector<StoredLevelTest> tests = queued.levelTests({});
    for (StoredLevelTest& test : tests) test.questions = queued.levelQuestionsOf(test.id);
    const bool all =
        storeEach(runs, stored, [&](const StoredRun& run) { return history.storeRun(run); }) &&
        storeEach(queued.allPapers(), stored,
                  [&](const StoredPaper& paper) { return history.storePaper(paper); }) &&
        storeEach(queued.allDrills(), stored,
                  [&](const StoredDrill& drill) { return history.storeDrill(drill); }) &&
        storeEach(tests, stored,
                  [&](const StoredLevelTest& test) { return history.storeLevelTest(test); });
    journal.store.reset();
    if (!all) {
        return "上次关闭时暂存在“" + name + "”中的记录这次没能全部存入学习记录，下次启动时再试。";
    }
    std::error_code error;
    std::filesystem::remove(path, error);
    return "上次关闭时有" + std::to_string(stored) + "条记录暂存在“" + name +
           "”中，现已存入学习记录。";
}

HistoryOpening openHistoryWithQueuedRecords(const std::string& path) {
    HistoryOpening opening = openHistoryFile(path);
    if (!opening.store) return opening;
    const std::string queued = storeQueuedRecords(path, *opening.store);
    if (!queued.empty()) {
        opening.message = opening.message.empty() ? queued : opening.message + "\n" + queued;
    }
    return opening;
}
