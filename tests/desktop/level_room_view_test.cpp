// The level test on screen: the path of stars with their dates, the flash drills' elements out
// of the way, and the longest question of the top level shown whole, at 100 and 150 per cent.

#include <gtest/gtest.h>

#include <QListView>
#include <QTemporaryDir>

#include "history/sqlite/history_file.h"
#include "qt_trainer.h"

namespace {

constexpr char kLearner[] = "豆 豆";

struct LevelRoomView : ::testing::Test {
    LevelRoomView() {
        trainer.history.open(openHistoryFile(historyFileIn(folder.path().toStdString())).store);
        trainer.history.storeLevelTest({kLearner, "2026-12-01", "09:00:00", 0, 10, {9}, true, {}});
        trainer.history.storeLevelTest({kLearner, "2026-12-03", "09:00:00", 1, 10, {6}, false, {}});
        trainer.history.storeLevelTest({kLearner, "2026-12-05", "09:00:00", 1, 10, {8}, true, {}});
    }

    void send(EventKind kind, const std::string& name, int value, const std::string& text) {
        trainer.view->send(Event{kind, name, value, text});
    }

    QWidget& roomWidget(const char* name) const {
        QWidget* room = trainer.view->practiceRoom();
        if (room == nullptr) throw std::runtime_error("the room is not open");
        QWidget* found = room->findChild<QWidget*>(QString::fromUtf8(name));
        if (found == nullptr) throw std::runtime_error(std::string("no widget ") + name);
        return *found;
    }

    // True when every line of the question list is on view without scrolling.
    bool wholeQuestionOnView() {
        auto& list = dynamic_cast<QListView&>(roomWidget("drill.List2"));
        const int rows = list.model()->rowCount();
        if (rows == 0) return false;
        const QRect last = list.visualRect(list.model()->index(rows - 1, 0));
        return list.visualRect(list.model()->index(0, 0)).top() >= 0 &&
               last.bottom() <= list.viewport()->height();
    }

    QTemporaryDir folder;
    QtTrainer trainer;
};

TEST_F(LevelRoomView, ThePathShowsPassedLevelsAndTheTopLevelsQuestionFitsAtEveryZoom) {
    send(EventKind::Menu, "Form1_main", -1, "等级考试…");
    ASSERT_NE(trainer.view->practiceRoom(), nullptr);
    EXPECT_TRUE(roomWidget("drill.Label5(0)").toolTip().contains("2026-12-01"));
    EXPECT_TRUE(roomWidget("drill.Label5(1)").toolTip().contains("2026-12-05"));
    EXPECT_TRUE(roomWidget("drill.Label5(2)").toolTip().contains("下一级"));
    EXPECT_TRUE(roomWidget("drill.Label5(9)").isVisible());
    EXPECT_FALSE(roomWidget("drill.Combo2").isVisible());
    EXPECT_FALSE(roomWidget("drill.Command4").isVisible());
    EXPECT_TRUE(roomWidget("drill.Combo7").isVisible());

    send(EventKind::Choose, "drill.Combo7", 9, {});
    send(EventKind::Click, "drill.Command1", -1, {});
    ASSERT_EQ(trainer.window.drill.List2.items.size(), 10u);
    EXPECT_TRUE(wholeQuestionOnView());
    send(EventKind::Menu, "Form1_main", -1, "放大");
    send(EventKind::Menu, "Form1_main", -1, "放大");
    ASSERT_EQ(trainer.window.state.zoomPercent, 150);
    EXPECT_TRUE(wholeQuestionOnView());

    send(EventKind::Menu, "Form1_main", -1, "闪电心算…");
    EXPECT_TRUE(roomWidget("drill.Combo2").isVisible());
    EXPECT_FALSE(roomWidget("drill.Label5(0)").isVisible());
    EXPECT_FALSE(trainer.window.drillState.levelTest.running) << "another drill ends the test";
    EXPECT_FALSE(trainer.window.drill.Timer2.enabled);
}

}  // namespace
