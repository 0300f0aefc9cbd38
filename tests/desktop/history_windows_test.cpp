// The history's windows on screen, filled from a real history file: the runs table and the
// wrong-question book, the calendar's figures, the learners list putting a name into the
// name box, and the right-click items that ask for them.

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "desktop/windows/calendar_window.h"
#include "desktop/windows/qt_menu_windows.h"
#include "desktop/windows/score_plot.h"
#include "history/history_fixture.h"
#include "history/sqlite/history_file.h"
#include "qt_trainer.h"

namespace {

constexpr char kLearner[] = "豆 豆";

struct HistoryWindows : ::testing::Test {
    HistoryWindows() {
        HistoryOpening opening = openHistoryFile(historyFileIn(folder.path().toStdString()));
        trainer.history.open(std::move(opening.store));
        windows.attach(*trainer.view, QFont());
        for (const char* date : {"2026-12-01", "2026-12-08", "2026-12-08"}) {
            trainer.history.storeRun(sampleRun(kLearner, date, 6));
        }
        trainer.history.storeRun(sampleRun("小明", "2026-11-30", 5));
        StoredDrill chain;
        chain.learner = kLearner;
        chain.date = "2026-12-08";
        chain.time = "10:00:00";
        chain.kind = "闪电心算";
        chain.terms = 3;
        chain.secondsPerNumber = "0.5";
        chain.chain = "25+13-7";
        chain.answer = "31";
        chain.right = true;
        trainer.history.storeDrill(chain);
    }

    // The window asked for, once the event loop has opened it.
    QWidget* opened(MenuWindow which, const std::string& learner) {
        windows.open(which, learner, {});
        QApplication::processEvents();
        return windows.shown(which);
    }

    QTemporaryDir folder;
    QtTrainer trainer;
    QtMenuWindows windows{trainer.history};
};

TEST_F(HistoryWindows, TheHistoryListsTheLearnersRunsNewestFirstAndTheWrongQuestions) {
    QWidget* window = opened(MenuWindow::History, kLearner);
    ASSERT_NE(window, nullptr);
    auto* pages = window->findChild<QTabWidget*>();
    const auto* table = pages->widget(0)->findChild<QTableView*>();
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel& rows = *table->model();
    EXPECT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.index(0, 0).data().toString(), "2026-12-08 09:05");
    EXPECT_EQ(rows.index(2, 0).data().toString(), "2026-12-01 09:05");
    EXPECT_EQ(rows.headerData(5, Qt::Horizontal).toString(), "得分（练习：首次答对率）");
    EXPECT_EQ(rows.index(0, 1).data().toString(), "考试");
    EXPECT_EQ(rows.index(0, 4).data().toString(), "6/6");
    EXPECT_EQ(window->findChild<QPlainTextEdit*>(), nullptr) << "the book is read when chosen";
    pages->setCurrentIndex(1);
    const QString book = window->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_EQ(book.count("正确答案"), 6);  // two of six in each of three runs

    EXPECT_EQ(pages->tabText(2), "等级考试") << "the book's page took no other page's place";
    ASSERT_EQ(pages->tabText(3), "练习室");
    const auto* drills = pages->widget(3)->findChild<QTableWidget*>();
    ASSERT_NE(drills, nullptr);
    EXPECT_EQ(drills->rowCount(), 1);
    EXPECT_EQ(drills->item(0, 3)->text(), "25+13-7");
    const QList<QWidget*> parts = pages->widget(3)->findChildren<QWidget*>();
    EXPECT_TRUE(std::any_of(parts.begin(), parts.end(),
                            [](QWidget* part) { return dynamic_cast<ScorePlot*>(part) != nullptr; }))
        << "its chain is on the plot";

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Escape closes the window";

    QWidget* empty = opened(MenuWindow::History, "新同学");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->findChild<QTableView*>(), nullptr);
    QStringList texts;
    for (const QLabel* label : empty->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("还没有保存的答题记录。")) << texts.join('|').toStdString();
}

TEST_F(HistoryWindows, TheCalendarShowsTheMonthsTotalsAndTheRunsOfAClickedDay) {
    CalendarWindow window(kLearner, trainer.history.runsOf(kLearner), QDate(2026, 12, 8), QFont(),
                          nullptr);
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("2026年12月：练习2天，共3次，18道题"))
        << texts.join('|').toStdString();
    const auto* dayRuns = window.findChild<QListWidget*>();
    EXPECT_EQ(dayRuns->count(), 2);
    auto* calendar = window.findChild<QCalendarWidget*>();
    calendar->setSelectedDate(QDate(2026, 12, 2));  // what a click on the day does
    ASSERT_EQ(dayRuns->count(), 1);
    EXPECT_TRUE(dayRuns->item(0)->text().contains("没有练习"));
    calendar->setCurrentPage(2026, 11);
    texts.clear();
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("2026年11月：练习0天，共0次，0道题"));
}

TEST_F(HistoryWindows, ChangingMonthListsTheSameDayOfTheNewMonthNeverTheOldOne) {
    trainer.history.storeRun(sampleRun(kLearner, "2026-11-08", 4));
    trainer.history.storeRun(sampleRun(kLearner, "2027-02-28", 3));
    CalendarWindow window(kLearner, trainer.history.runsOf(kLearner), QDate(2026, 12, 8), QFont(),
                          nullptr);
    PracticeCalendar& calendar = window.calendar();
    const QListWidget& dayRuns = window.dayRuns();
    ASSERT_EQ(dayRuns.count(), 2);

    calendar.setCurrentPage(2026, 11);
    EXPECT_EQ(calendar.selectedDate(), QDate(2026, 11, 8));
    ASSERT_EQ(dayRuns.count(), 1);
    EXPECT_TRUE(dayRuns.item(0)->text().contains("答题4/4道"))
        << dayRuns.item(0)->text().toStdString();

    calendar.showNextMonth();
    EXPECT_EQ(calendar.selectedDate(), QDate(2026, 12, 8));
    EXPECT_EQ(dayRuns.count(), 2);

    calendar.setSelectedDate(QDate(2026, 12, 31));
    calendar.setCurrentPage(2027, 2);
    EXPECT_EQ(calendar.selectedDate(), QDate(2027, 2, 28)) << "a shorter month takes its last day";
    ASSERT_EQ(dayRuns.count(), 1);
    EXPECT_TRUE(dayRuns.item(0)->text().contains("答题3/3道"));

    calendar.setCurrentPage(2027, 3);
    ASSERT_EQ(dayRuns.count(), 1);
    EXPECT_TRUE(dayRuns.item(0)->text().startsWith("2027年3月28日")) << "not February's day";
}

TEST_F(HistoryWindows, AChosenLearnerGoesIntoTheNameBoxAndTheMenusAskForTheWindows) {
    QWidget* chooser = opened(MenuWindow::Learners, kLearner);
    ASSERT_NE(chooser, nullptr);
    auto* list = chooser->findChild<QTreeWidget*>();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "2026-12-08");
    list->setCurrentItem(list->topLevelItem(1));
    emit list->itemActivated(list->topLevelItem(1), 0);
    EXPECT_EQ(trainer.window.form.Text1.caption(), "小明");
    EXPECT_EQ(trainer.widget<QLineEdit>("Text1").text(), "小明");

    trainer.view->send(Event{EventKind::Click, "Command1(9)", -1, {}});
    auto& recordList = trainer.widget<QListView>("List1");
    QTimer::singleShot(0, [] {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == "练习日历…") action->trigger();
        }
        menu->close();
    });
    emit recordList.customContextMenuRequested(QPoint(10, 10));
    ASSERT_EQ(trainer.menuWindows.opened.size(), 1u);
    EXPECT_EQ(trainer.menuWindows.opened[0].which, MenuWindow::Calendar);
    EXPECT_EQ(trainer.menuWindows.opened[0].learner, "小明");
}

}  // namespace
