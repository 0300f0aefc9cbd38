// Opening a history file that cannot be used: nothing is deleted or overwritten, the
// person is told once, and a damaged file is kept beside a fresh one.

#include <sys/stat.h>

#include <fstream>

#include "history/history_fixture.h"

namespace {

// Every file in `folder` whose name starts with `prefix`.
std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) found.push_back(entry.path().string());
    }
    return found;
}

TEST_F(HistoryFolder, ADamagedFileIsKeptUnderANewNameBesideAFreshOne) {
    std::string damaged = "SQLite format 3";
    damaged.resize(8192, '\x5a');
    std::ofstream(path, std::ios::binary) << damaged;

    HistoryOpening opening = openHistoryFile(path);
    ASSERT_TRUE(opening.store);
    EXPECT_NE(opening.message.find("已损坏"), std::string::npos) << opening.message;
    const auto kept = filesStartingWith(folder, "history.sqlite3.damaged-");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(opening.message.find(std::filesystem::path(kept[0]).filename().string()),
              std::string::npos);
    EXPECT_EQ(bytesOf(kept[0]), damaged);
    EXPECT_EQ(opening.store->storeRun(sampleRun("豆 豆", "2026-12-08", 5)), StoreOutcome::Stored);

    // A second damaged file on the same second gets a name of its own.
    opening.store.reset();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << damaged;
    ASSERT_TRUE(openHistoryFile(path).store);
    EXPECT_EQ(filesStartingWith(folder, "history.sqlite3.damaged-").size(), 2u);
}

TEST_F(HistoryFolder, ReadOnlyLockedTooNewOrUncreatableFilesAreLeftAsTheyAre) {
    openStore()->storeRun(sampleRun("豆 豆", "2026-12-08", 5));
    const std::string before = bytesOf(path);

    chmod(path.c_str(), 0400);
    HistoryOpening readOnly = openHistoryFile(path);
    EXPECT_FALSE(readOnly.store);
    EXPECT_NE(readOnly.message.find("只读"), std::string::npos) << readOnly.message;
    chmod(path.c_str(), 0600);
    EXPECT_EQ(bytesOf(path), before);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    HistoryOpening locked = openHistoryFile(path);
    EXPECT_FALSE(locked.store);
    EXPECT_NE(locked.message.find("另一个童趣星"), std::string::npos) << locked.message;
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_EQ(bytesOf(path), before);
    sqlite3_exec(other, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    HistoryOpening tooNew = openHistoryFile(path);
    EXPECT_FALSE(tooNew.store);
    EXPECT_NE(tooNew.message.find("更新版本"), std::string::npos) << tooNew.message;
    EXPECT_EQ(answerOf("SELECT count(*) FROM runs"), 1);
    EXPECT_EQ(answerOf("PRAGMA user_version"), 99);
    EXPECT_TRUE(filesStartingWith(folder, "history.sqlite3.damaged-").empty());

    const std::string underAFile = path + "/history.sqlite3";
    HistoryOpening uncreatable = openHistoryFile(underAFile);
    EXPECT_FALSE(uncreatable.store);
    EXPECT_NE(uncreatable.message.find("无法创建"), std::string::npos) << uncreatable.message;
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

}  // namespace
