// Files that cannot be read back in full: damage the quick check misses, a damaged file with
// its write-ahead log, and a log with a changed bit. Each is kept exactly as it was on disk,
// the person is told once, and records are kept again from then on.

#include <ctime>
#include <fstream>
#include <random>

#include "history/history_fixture.h"
#include "history/sqlite/sqlite_history_store.h"

namespace {

constexpr int kPageSize = 4096;

// Every file in `folder` whose name starts with `prefix`, logs and shared memory left out.
std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const bool companion = name.ends_with("-wal") || name.ends_with("-shm");
        if (name.rfind(prefix, 0) == 0 && !companion) found.push_back(entry.path().string());
    }
    return found;
}

// Writes `bytes` over the file from `offset` on.
void overwrite(const std::string& file, std::size_t offset, const std::string& bytes) {
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The number of runs in a history file opened plainly, or -1 when they cannot be counted.
long long runsIn(const std::string& file) {
    sqlite3* database = nullptr;
    sqlite3_open_v2(file.c_str(), &database, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    long long runs = -1;
    if (sqlite3_prepare_v2(database, "SELECT count(*) FROM runs", -1, &statement, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        runs = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    return runs;
}

class DamagedHistory : public HistoryFolder {
  protected:
    // Stores `count` runs, each in its own transaction, and closes the file with every run
    // checkpointed into it.
    void storeRuns(int count) {
        auto store = openStore();
        for (int run = 0; run < count; ++run) {
            ASSERT_EQ(store->storeRun(sampleRun("豆 豆", "2026-12-08", 10)), StoreOutcome::Stored);
        }
    }

    // Stores `count` runs on a connection that leaves them in the write-ahead log when it
    // closes, as a trainer that was killed does.
    void storeRunsInTheLog(int count) {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        SqliteHistoryStore store(database);
        for (int run = 0; run < count; ++run) {
            ASSERT_EQ(store.storeRun(sampleRun("乐 乐", "2026-12-09", 10)), StoreOutcome::Stored);
        }
    }

    // Opens the history expecting the damage to be kept aside: the kept file's name, after
    // checking that the message names it and that records are kept again.
    std::string openExpectingKeptDamage() {
        HistoryOpening opening = openHistoryFile(path);
        EXPECT_TRUE(opening.store) << opening.message;
        if (!opening.store) return {};
        const auto kept = filesStartingWith(folder, "history.sqlite3.damaged-");
        EXPECT_EQ(kept.size(), 1u);
        if (kept.size() != 1) return {};
        EXPECT_NE(opening.message.find("已损坏"), std::string::npos) << opening.message;
        EXPECT_NE(opening.message.find(std::filesystem::path(kept[0]).filename().string()),
                  std::string::npos)
            << opening.message;
        EXPECT_EQ(opening.store->storeRun(sampleRun("豆 豆", "2026-12-10", 5)),
                  StoreOutcome::Stored);
        EXPECT_EQ(opening.store->allRuns().size(), 1u);
        return kept[0];
    }
};

TEST_F(DamagedHistory, DamageTheQuickCheckMissesIsKeptAsideOnceAndRecordsGoOn) {
    struct Damage {
        const char* what;
        std::function<void(const std::string&)> apply;
    };
    const auto setVersion = [](const std::string& file, int version) {
        sqlite3* database = nullptr;
        sqlite3_open(file.c_str(), &database);
        const std::string sql = "PRAGMA user_version = " + std::to_string(version);
        sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(database);
    };
    const std::vector<Damage> damages = {
        {"a changed byte in a table's definition",
         [](const std::string& file) {
             std::string bytes = bytesOf(file);
             const auto at = bytes.find("seconds_used INTEGER");
             ASSERT_NE(at, std::string::npos);
             overwrite(file, at + 11, "f");
         }},
        {"a changed column type",
         [](const std::string& file) {
             const auto at = bytesOf(file).find("typed_answer TEXT");
             ASSERT_NE(at, std::string::npos);
             overwrite(file, at + 13, "B");
         }},
        {"the write version in the header",
         [](const std::string& file) { overwrite(file, 18, "\x03"); }},
        {"the read version in the header",
         [](const std::string& file) { overwrite(file, 19, "\x07"); }},
        {"the schema format in the header",
         [](const std::string& file) { overwrite(file, 44, std::string("\x00\x00\x01\x04", 4)); }},
        {"a version below 0", [&](const std::string& file) { setVersion(file, -1); }},
        {"version 0 with the tables present",
         [&](const std::string& file) { setVersion(file, 0); }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        storeRuns(6);
        damage.apply(path);
        const std::string damaged = bytesOf(path);
        const std::string kept = openExpectingKeptDamage();
        if (!kept.empty()) {
            EXPECT_EQ(bytesOf(kept), damaged);
        }
        EXPECT_EQ(openHistoryFile(path).message, "") << "the message comes once";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
    }
}

TEST_F(DamagedHistory, ADamagedFileIsKeptWithItsLogAsOnDiskAndTheLogStillReadsBack) {
    storeRuns(30);
    storeRunsInTheLog(5);
    ASSERT_GT(std::filesystem::file_size(path + "-wal"), 0u);
    const long long papersRoot =
        answerOf("SELECT rootpage FROM sqlite_schema WHERE name = 'papers'");
    ASSERT_GT(papersRoot, 1);
    overwrite(path, static_cast<std::size_t>(papersRoot - 1) * kPageSize,
              std::string(kPageSize, '\xff'));
    const std::string file = bytesOf(path);
    const std::string log = bytesOf(path + "-wal");
    // Stray logs already under the names the kept file would take in the next seconds.
    std::vector<std::string> strays;
    for (int second = 0; second < 3; ++second) {
        const std::time_t moment = std::time(nullptr) + second;
        std::tm local{};
        localtime_r(&moment, &local);
        char stamp[32] = {};
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        strays.push_back(path + ".damaged-" + stamp + "-wal");
        std::ofstream(strays.back()) << "a stray log";
    }

    const std::string kept = openExpectingKeptDamage();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(bytesOf(kept), file) << "the damaged file was written to before it was kept";
    EXPECT_EQ(bytesOf(kept + "-wal"), log) << "kept with its own log, not a stray one";
    for (const std::string& stray : strays) EXPECT_EQ(bytesOf(stray), "a stray log");
    EXPECT_EQ(runsIn(kept), 35) << "the runs in the log are still there to recover";
}

TEST_F(DamagedHistory, AChangedBitInTheLogKeepsACopyThatStillHoldsEveryRun) {
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 12; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        storeRuns(10);
        storeRunsInTheLog(30);
        const std::string file = bytesOf(path);
        const std::string log = bytesOf(path + "-wal");
        const std::size_t frameSize = 24 + kPageSize;
        const std::size_t frames = (log.size() - 32) / frameSize;
        ASSERT_GT(frames, 30u);
        // One bit of a frame's salts, page or checksum, anywhere in the log; the first trials
        // aim at the salts of the last commit and at the checksum of the log's header.
        const std::size_t frame =
            trial < 2 ? frames - 1
                      : std::uniform_int_distribution<std::size_t>(0, frames - 1)(random);
        const std::size_t byte =
            trial < 2 ? 8 + trial * 4
                      : std::uniform_int_distribution<std::size_t>(8, frameSize - 1)(random);
        const std::size_t offset = trial == 2 ? 28 : 32 + frame * frameSize + byte;
        const char flipped = static_cast<char>(log[offset] ^ (1 << (random() % 8)));
        overwrite(path + "-wal", offset, std::string(1, flipped));

        HistoryOpening opening = openHistoryFile(path);
        ASSERT_TRUE(opening.store) << opening.message;
        EXPECT_NE(opening.message.find("日志已损坏"), std::string::npos) << opening.message;
        EXPECT_LT(opening.store->allRuns().size(), 40u);
        EXPECT_EQ(opening.store->storeRun(sampleRun("豆 豆", "2026-12-10", 5)),
                  StoreOutcome::Stored);
        opening.store.reset();

        const auto kept = filesStartingWith(folder, "history.sqlite3.damaged-");
        ASSERT_EQ(kept.size(), 1u);
        const std::string copy = kept[0];
        EXPECT_TRUE(std::filesystem::exists(copy + "-wal"));
        EXPECT_NE(opening.message.find(std::filesystem::path(copy).filename().string()),
                  std::string::npos);
        EXPECT_EQ(bytesOf(copy), file);
        overwrite(copy + "-wal", offset, std::string(1, log[offset]));
        EXPECT_EQ(runsIn(copy), 40) << "putting the bit back recovers every run";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
    }
}

TEST_F(DamagedHistory, ASoundLogOneCutShortAfterItsLastCommitOrOneRestartedIsNoDamage) {
    storeRuns(3);
    storeRunsInTheLog(4);
    std::filesystem::resize_file(path + "-wal", std::filesystem::file_size(path + "-wal") - 100);
    HistoryOpening opening = openHistoryFile(path);
    ASSERT_TRUE(opening.store);
    EXPECT_EQ(opening.message, "");
    EXPECT_EQ(opening.store->allRuns().size(), 6u);  // the cut transaction alone is lost
    opening.store.reset();

    // After a checkpoint restarts the log, the commits of its earlier round stay behind the new
    // frames; SQLite rightly ignores them, as they are in the file already.
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    SqliteHistoryStore store(database);
    for (int run = 0; run < 20; ++run) store.storeRun(sampleRun("乐 乐", "2026-12-09", 10));
    ASSERT_EQ(sqlite3_exec(database, "PRAGMA wal_checkpoint(RESTART)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto logBefore = std::filesystem::file_size(path + "-wal");
    ASSERT_EQ(store.storeRun(sampleRun("乐 乐", "2026-12-09", 10)), StoreOutcome::Stored);
    ASSERT_EQ(std::filesystem::file_size(path + "-wal"), logBefore) << "no frame left behind";
    HistoryOpening restarted = openHistoryFile(path);
    ASSERT_TRUE(restarted.store);
    EXPECT_EQ(restarted.message, "");
    EXPECT_EQ(restarted.store->allRuns().size(), 27u);
    EXPECT_TRUE(filesStartingWith(folder, "history.sqlite3.damaged-").empty());
}

}  // namespace
