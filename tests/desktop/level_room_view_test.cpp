// The level test on screen: the path of stars with their dates, the flash drills' elements out
// of the way, the longest question of the top level shown whole, at 100 and 150 per cent, and
// a wrong multiplication of the review clicked and demonstrated on the main window's board.

#include <gtest/gtest.h>

#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

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

TEST_F(LevelRoomView, AClickedMultiplicationOfTheReviewPlaysOnTheMainWindowsBoard) {
    send(EventKind::Menu, "Form1_main", -1, "等级考试…");
    send(EventKind::Choose, "drill.Combo7", 4, {});
    send(EventKind::Click, "drill.Command1", -1, {});
    // Both items of 六级 run out unanswered.
    while (trainer.window.drillState.levelTest.running) {
        dispatch(trainer.window, Event{EventKind::Tick, "drill.Timer2", -1, {}});
    }
    trainer.view->sync();
    auto& lines = dynamic_cast<QListView&>(roomWidget("drill.List1"));
    auto& demonstrate = roomWidget("drill.Command9");
    const auto& items = trainer.window.drill.List1.items;
    const auto sum = std::find_if(items.begin(), items.end(), [](const std::string& line) {
        return line.starts_with("加减算 第");
    });
    const auto product = std::find_if(items.begin(), items.end(), [](const std::string& line) {
        return line.starts_with("乘算 第");
    });
    ASSERT_NE(sum, items.end());
    ASSERT_NE(product, items.end());
    const auto rowOf = [&](auto line) { return static_cast<int>(line - items.begin()); };
    const auto clickRow = [&](int row) {
        const QModelIndex index = lines.model()->index(row, 0);
        lines.scrollTo(index);
        QTest::mouseClick(lines.viewport(), Qt::LeftButton, {}, lines.visualRect(index).center());
    };

    clickRow(rowOf(sum));
    EXPECT_EQ(trainer.window.drill.List1.listIndex, rowOf(sum));
    EXPECT_FALSE(demonstrate.isEnabled()) << "a column sum is not demonstrated";
    clickRow(rowOf(product));
    EXPECT_EQ(trainer.window.drill.List1.listIndex, rowOf(product));
    ASSERT_TRUE(demonstrate.isEnabled());

    const auto raised = trainer.window.form.raiseRequests;
    QTest::mouseClick(&demonstrate, Qt::LeftButton);
    EXPECT_EQ(trainer.window.form.raiseRequests, raised + 1);
    EXPECT_TRUE(trainer.window.form.Timer4.enabled);
    EXPECT_EQ(trainer.window.form.Label12.caption(), "×");
    const std::string answer = product->substr(product->rfind("应为") + std::string("应为").size());
    EXPECT_EQ(std::to_string(std::stoi(trainer.window.form.Label11.caption()) *
                             std::stoi(trainer.window.form.Label13.caption())),
              answer);
    send(EventKind::Tick, "Timer4", -1, {});
    EXPECT_TRUE(trainer.widget("Label40").isVisible());
    EXPECT_FALSE(trainer.window.form.Label40.caption().empty());

    // A double click on the line plays it afresh; on a sum's line it plays nothing.
    send(EventKind::Tick, "Timer4", -1, {});
    const auto doubleClickRow = [&](int row) {
        const QModelIndex index = lines.model()->index(row, 0);
        lines.scrollTo(index);
        QTest::mouseDClick(lines.viewport(), Qt::LeftButton, {}, lines.visualRect(index).center());
    };
    doubleClickRow(rowOf(product));
    EXPECT_EQ(trainer.window.state.demonstrationStep, 0) << "the demonstration starts again";
    EXPECT_EQ(trainer.window.form.raiseRequests, raised + 2);
    send(EventKind::DoubleClick, "drill.List1", rowOf(sum), {});
    EXPECT_EQ(trainer.window.drill.List1.listIndex, rowOf(sum));
    EXPECT_EQ(trainer.window.form.raiseRequests, raised + 2);
}

}  // namespace
