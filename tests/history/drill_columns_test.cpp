// The bead drill's columns: a file from before them keeps its drills, which read back with no
// group and no wrong clicks, and a bead question reads back with both.

#include "history/history_fixture.h"
#include "history/sqlite/history_schema.h"

namespace {

TEST_F(HistoryFolder, AnOlderFileGainsTheBeadDrillsColumnsAndKeepsItsChains) {
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    ASSERT_EQ(migrateHistorySchema(database, 2), MigrationResult::Current);
    ASSERT_EQ(sqlite3_exec(database,
                           "INSERT INTO drills (learner, date, time, kind, digits, terms, "
                           "seconds_per_number, mix, view, chain, answer, right, stopped, "
                           "seconds_used) VALUES ('豆 豆', '2026-09-01', '08:00:00', '闪电心算', "
                           "1, 3, '1.0', '只加', '看数', '1+2+3', '6', 1, 0, 9)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(database);

    auto store = openStore();
    EXPECT_EQ(answerOf("PRAGMA user_version"), kHistorySchemaVersion);
    StoredDrill bead;
    bead.learner = "小明";
    bead.date = "2026-09-02";
    bead.time = "09:00:00";
    bead.kind = "拨珠练习";
    bead.digits = 3;
    bead.terms = 2;
    bead.chain = "325+67";
    bead.answer = "392";
    bead.right = true;
    bead.secondsUsed = 14;
    bead.rhymeGroup = "进十加";
    bead.wrongClicks = 3;
    ASSERT_EQ(store->storeDrill(bead), StoreOutcome::Stored);

    const std::vector<StoredDrill> drills = store->allDrills();
    ASSERT_EQ(drills.size(), 2u);
    EXPECT_EQ(drills[0].chain, "1+2+3");
    EXPECT_EQ(drills[0].secondsUsed, 9);
    EXPECT_EQ(drills[0].rhymeGroup, "");
    EXPECT_EQ(drills[0].wrongClicks, 0);
    EXPECT_EQ(drills[1].kind, "拨珠练习");
    EXPECT_EQ(drills[1].chain, "325+67");
    EXPECT_EQ(drills[1].rhymeGroup, "进十加");
    EXPECT_EQ(drills[1].wrongClicks, 3);
    EXPECT_EQ(drills[1].secondsUsed, 14);
}

}  // namespace
