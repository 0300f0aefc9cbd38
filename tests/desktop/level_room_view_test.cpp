// The level test on screen: the path of stars with their dates, the flash drills' elements out
// of the way, the question in the flash box in the flash face (the top level's longest whole,
// a multiplication's digits most of the box's height) at 100 and 200 per cent, a review line
// shown whole with its mark, and a wrong multiplication of the review clicked and demonstrated
// on the main window's board. Screenshots are kept as level-<what>.png in the folder
// ABACUS_KEEP_SCREENSHOTS names, if any.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>

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

    // The flash box as it paints itself, the whole room kept when screenshots are asked for.
    QImage box(const QString& what) {
        trainer.view->sync();
        QWidget& room = *trainer.view->practiceRoom();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&room));
        room.repaint();
        if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS")) {
            room.grab().save(QDir(folder).filePath(QStringLiteral("level-%1.png").arg(what)));
        }
        return roomWidget("drill.Label1").grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The rows of `image` that hold the question's dark blue ink, as runs of rows: each run one
    // line of the question.
    static std::vector<std::pair<int, int>> inkRows(const QImage& image) {
        std::vector<std::pair<int, int>> runs;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x) {
                const QRgb pixel = image.pixel(x, y);
                ink = qBlue(pixel) > 80 && qRed(pixel) < 90 && qGreen(pixel) < 90;
            }
            if (!ink) continue;
            if (!runs.empty() && runs.back().second == y - 1) {
                runs.back().second = y;
            } else {
                runs.emplace_back(y, y);
            }
        }
        return runs;
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
    for (const int zoom : {100, 200}) {
        trainer.window.state.zoomPercent = zoom;
        const QImage question = box(QStringLiteral("top-level-%1").arg(zoom));
        const auto rows = inkRows(question);
        EXPECT_EQ(rows.size(), 10u) << zoom << "%: every row on view, one under another";
        ASSERT_FALSE(rows.empty());
        EXPECT_GT(rows.front().first, 0) << "nothing cut at the top";
        EXPECT_LT(rows.back().second, question.height() - 1) << "nothing cut at the bottom";
        EXPECT_GE(rows.front().second - rows.front().first, question.height() / 25)
            << "rows larger than a list's";
    }
    trainer.window.state.zoomPercent = 100;

    send(EventKind::Menu, "Form1_main", -1, "闪电心算…");
    EXPECT_TRUE(roomWidget("drill.Combo2").isVisible());
    EXPECT_FALSE(roomWidget("drill.Label5(0)").isVisible());
    EXPECT_FALSE(trainer.window.drillState.levelTest.running) << "another drill ends the test";
    EXPECT_FALSE(trainer.window.drill.Timer2.enabled);
}

TEST_F(LevelRoomView, AMultiplicationFillsTheBoxAndAReviewLineShowsItsQuestionWhole) {
    send(EventKind::Menu, "Form1_main", -1, "等级考试…");
    send(EventKind::Choose, "drill.Combo7", 4, {});
    send(EventKind::Click, "drill.Command1", -1, {});
    const QImage sum = box(QStringLiteral("question-100"));
    EXPECT_GE(inkRows(sum).size(), 7u) << "六级's sums have seven rows";
    // The addition item runs out; the multiplications come one at a time, one row each.
    while (trainer.window.drillState.levelTest.item == 0) {
        dispatch(trainer.window, Event{EventKind::Tick, "drill.Timer2", -1, {}});
    }
    for (const int zoom : {100, 200}) {
        trainer.window.state.zoomPercent = zoom;
        const QImage product = box(QStringLiteral("product-%1").arg(zoom));
        const auto rows = inkRows(product);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_GE(rows.front().second - rows.front().first + 1, product.height() * 3 / 5)
            << zoom << "%: one row takes at least 60 % of the box";
        EXPECT_FALSE(roomWidget("drill.Label8").isVisible()) << "no verdict during the test";
    }
    while (trainer.window.drillState.levelTest.running) {
        dispatch(trainer.window, Event{EventKind::Tick, "drill.Timer2", -1, {}});
    }
    const auto& items = trainer.window.drill.List1.items;
    const auto review = std::find_if(items.begin(), items.end(), [](const std::string& line) {
        return line.starts_with("加减算 第1题");
    });
    ASSERT_NE(review, items.end());
    for (const int zoom : {100, 200}) {
        trainer.window.state.zoomPercent = zoom;
        send(EventKind::Click, "drill.List1", static_cast<int>(review - items.begin()), {});
        const QImage whole = box(QStringLiteral("review-%1").arg(zoom));
        EXPECT_EQ(inkRows(whole).size(), 7u + 2u) << "its rows, the total and 未答";
        EXPECT_TRUE(roomWidget("drill.Label8").isVisible());
        EXPECT_EQ(trainer.window.drill.Label8.caption(), "×");
    }
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
