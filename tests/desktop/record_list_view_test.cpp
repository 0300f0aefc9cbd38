// The record list on screen follows the model's lines: appended lines become new rows, an
// emptied list starts over.

#include <gtest/gtest.h>

#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "qt_trainer.h"

namespace {

// The text the list view shows in `row`.
std::string rowText(const QListView& list, int row) {
    return list.model()->data(list.model()->index(row, 0)).toString().toStdString();
}

}  // namespace

TEST(RecordListView, AHundredThousandAppendedLinesAllBecomeRows) {
    QtTrainer trainer;
    Element& records = trainer.window.form.List1;
    const auto& list = trainer.widget<QListView>("List1");
    for (int line = 1; line <= 100000; ++line) records.addItem("第" + std::to_string(line) + "行");
    trainer.view->sync();
    ASSERT_EQ(list.model()->rowCount(), 100000);
    EXPECT_EQ(rowText(list, 0), "第1行");
    EXPECT_EQ(rowText(list, 99999), "第100000行");

    records.addItem("报告");
    records.addItem("结束");
    trainer.view->sync();
    ASSERT_EQ(list.model()->rowCount(), 100002);
    EXPECT_EQ(rowText(list, 100001), "结束");
}

TEST(RecordListView, AnEmptiedListShowsOnlyItsNewLines) {
    QtTrainer trainer;
    Element& records = trainer.window.form.List1;
    const auto& list = trainer.widget<QListView>("List1");
    for (const char* line : {"一", "二", "三"}) records.addItem(line);
    trainer.view->sync();

    records.clearItems();
    for (const char* line : {"甲", "乙", "丙", "丁"}) records.addItem(line);
    trainer.view->sync();
    ASSERT_EQ(list.model()->rowCount(), 4);
    EXPECT_EQ(rowText(list, 0), "甲");
    EXPECT_EQ(rowText(list, 3), "丁");
}

TEST(RecordListView, TheSelectedLineFollowsTheModel) {
    QtTrainer trainer;
    Element& records = trainer.window.form.List1;
    for (const char* line : {"一", "二", "三"}) records.addItem(line);
    records.listIndex = 2;
    trainer.view->sync();
    EXPECT_EQ(trainer.widget<QListView>("List1").currentIndex().row(), 2);
}

TEST(RecordListView, TheSelectedLineSurvivesARefillOfTheList) {
    QtTrainer trainer;
    Element& records = trainer.window.form.List1;
    for (const char* line : {"一", "二", "三"}) records.addItem(line);
    records.listIndex = 1;
    trainer.view->sync();

    records.clearItems();
    for (const char* line : {"甲", "乙", "丙"}) records.addItem(line);
    records.listIndex = 1;
    trainer.view->sync();
    EXPECT_EQ(trainer.widget<QListView>("List1").currentIndex().row(), 1);
}

// The line on top follows the model, even a last line with nothing below it, and a person's
// scrolling, by the scroll bar or the keys, writes the line now on top back into the model.
TEST(RecordListView, TheTopLineIsKeptInStepBothWays) {
    QtTrainer trainer;
    Element& records = trainer.window.form.List1;
    records.visible = true;
    auto& list = trainer.widget<QListView>("List1");
    for (int line = 0; line < 200; ++line) records.addItem("第" + std::to_string(line) + "行");
    trainer.view->sync();
    const auto onTop = [&list](int row) {
        return list.visualRect(list.model()->index(row, 0)).top() == 0;
    };

    for (const int top : {199, 195, 120}) {
        records.showLinesFrom(static_cast<std::size_t>(top));
        trainer.view->sync();
        EXPECT_TRUE(onTop(records.topIndex)) << "model top " << top;
    }
    EXPECT_EQ(records.topIndex, 200 - records.linesOnView());

    list.verticalScrollBar()->setValue(10);
    EXPECT_EQ(records.topIndex, 10);
    EXPECT_TRUE(onTop(10));
    list.setFocus();
    list.setCurrentIndex(list.model()->index(10, 0));
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_GT(records.topIndex, 150);
    EXPECT_TRUE(onTop(records.topIndex));
}
