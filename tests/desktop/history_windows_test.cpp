// The history's windows on screen, filled from a real history file: the runs table and the
// wrong-question book, the calendar's figures, the learners list putting a name into the
// name box, and the right-click items that ask for them.

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDir>
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
#include <cstdlib>

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
        windows.waitForReads();
        QApplication::processEvents();
        return windows.shown(which);
    }

    QTemporaryDir folder;
    QtTrainer trainer;
    QtMenuWindows windows{trainer.history};
};

TEST_F(HistoryWindows, TheHistoryListsTheLearnersRunsNewestFirstAndTheWrongQuestions) {
    StoredDrill wrong;
    wrong.learner = kLearner;
    wrong.date = "2026-12-09";
    wrong.time = "10:00:00";
    wrong.kind = "闪电心算";
    wrong.chain = "2+4+7+9+7";
    wrong.answer = "20";
    trainer.history.storeDrill(wrong);
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
    ASSERT_EQ(drills->rowCount(), 2);
    EXPECT_EQ(QStringList({drills->item(0, 3)->text(), drills->item(0, 4)->text(),
                           drills->item(0, 5)->text()})
                  .join(' '),
              "2+4+7+9+7=29 20 ×")
        << "a wrong chain shows its right total";
    EXPECT_EQ(drills->item(1, 3)->text(), "25+13-7");
    const QList<QWidget*> parts = pages->widget(3)->findChildren<QWidget*>();
    EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [](QWidget* part) {
        return dynamic_cast<ScorePlot*>(part) != nullptr;
    })) << "its chain is on the plot";

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Escape closes the window";

    QWidget* empty = opened(MenuWindow::History, "新同学");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->findChild<QTableView*>(), nullptr);
    QStringList texts;
    for (const QLabel* label : empty->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("还没有保存的答题记录。")) << texts.join('|').toStdString();
}

TEST_F(HistoryWindows, TheHistoryOpensOnTheNewestRecordsPageAndFollowsAChosenLearner) {
    // 小龙 has only drilled: his history opens on the practice room's page, with both plots.
    for (const bool right : {true, false, false, false, false}) {
        StoredDrill chain;
        chain.learner = "小龙";
        chain.date = "2026-12-09";
        chain.time = "10:00:00";
        chain.kind = "闪电心算";
        chain.terms = 5;
        chain.secondsPerNumber = "1.0";
        chain.chain = "1+2+3+4+5";
        chain.answer = right ? "15" : "14";
        chain.right = right;
        trainer.history.storeDrill(chain);
    }
    QWidget* history = opened(MenuWindow::History, "小龙");
    ASSERT_NE(history, nullptr);
    if (const char* folder = std::getenv("ABACUS_KEEP_SCREENSHOTS")) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(history));
        history->grab().save(QDir(folder).filePath("history-drills-only.png"));
    }
    const auto* pages = history->findChild<QTabWidget*>();
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "练习室");
    const QList<QWidget*> parts = pages->currentWidget()->findChildren<QWidget*>();
    EXPECT_EQ(
        std::count_if(parts.begin(), parts.end(),
                      [](QWidget* part) { return dynamic_cast<ScorePlot*>(part) != nullptr; }),
        2)
        << "each day's share of chains right, and the longest chain right";
    QWidget* calendar = opened(MenuWindow::Calendar, "小龙");
    ASSERT_NE(calendar, nullptr);
    history->move(30, 40);
    const QRect where = history->geometry();

    // 小明 is chosen elsewhere: both windows are built afresh for him where they stood.
    windows.followLearner("小明");
    windows.waitForReads();
    QApplication::processEvents();
    QWidget* followed = windows.shown(MenuWindow::History);
    ASSERT_NE(followed, nullptr);
    EXPECT_EQ(followed->windowTitle(), "学习记录 — 小明");
    EXPECT_EQ(followed->geometry(), where);
    const auto* hisPages = followed->findChild<QTabWidget*>();
    EXPECT_EQ(hisPages->tabText(hisPages->currentIndex()), "答题记录") << "his newest is a run";
    ASSERT_NE(windows.shown(MenuWindow::Calendar), nullptr);
    EXPECT_EQ(windows.shown(MenuWindow::Calendar)->windowTitle(), "练习日历 — 小明");
    // The same learner again leaves the windows as they are.
    windows.followLearner("小明");
    windows.waitForReads();
    QApplication::processEvents();
    EXPECT_EQ(windows.shown(MenuWindow::History), followed);
}

TEST_F(HistoryWindows, TheCalendarShowsTheMonthsTotalsAndTheRunsOfAClickedDay) {
    StoredDrill bead;
    bead.learner = kLearner;
    bead.date = "2026-12-03";
    bead.time = "16:00:00";
    bead.kind = "拨珠练习";
    bead.chain = "3+4";
    bead.rhymeGroup = "直加";
    bead.right = true;
    trainer.history.storeDrill(bead);
    trainer.history.storeLevelTest({kLearner, "2026-12-08", "08:00:00", 0, 10, {9}, true, {}});
    CalendarWindow window(kLearner, trainer.history.runsOf(kLearner), trainer.history.allDrills(),
                          trainer.history.levelTests(kLearner), QDate(2026, 12, 8), QFont(),
                          nullptr);
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(
        texts.contains("2026年12月：练习3天，共6次，30道题（答题3次18题；练习室心算1串，拨珠1题；"
                       "等级考试1次）"))
        << texts.join('|').toStdString();
    const auto* dayRuns = window.findChild<QListWidget*>();
    ASSERT_EQ(dayRuns->count(), 4) << "two runs, then the level test and the chain";
    EXPECT_EQ(dayRuns->item(2)->text(), "08:00:00  等级考试  十级  通过");
    auto* calendar = window.findChild<QCalendarWidget*>();
    calendar->setSelectedDate(QDate(2026, 12, 2));  // what a click on the day does
    ASSERT_EQ(dayRuns->count(), 1);
    EXPECT_TRUE(dayRuns->item(0)->text().contains("没有练习"));
    calendar->setCurrentPage(2026, 11);
    texts.clear();
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(
        texts.contains("2026年11月：练习0天，共0次，0道题（答题0次0题；练习室心算0串，拨珠0题；"
                       "等级考试0次）"));
}

TEST_F(HistoryWindows, ChangingMonthListsTheSameDayOfTheNewMonthNeverTheOldOne) {
    trainer.history.storeRun(sampleRun(kLearner, "2026-11-08", 4));
    trainer.history.storeRun(sampleRun(kLearner, "2027-02-28", 3));
    CalendarWindow window(kLearner, trainer.history.runsOf(kLearner), {}, {}, QDate(2026, 12, 8),
                          QFont(), nullptr);
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
    StoredDrill bead;
    bead.learner = "小珠";
    bead.date = "2026-12-09";
    bead.time = "08:00:00";
    bead.kind = "拨珠练习";
    trainer.history.storeDrill(bead);
    QWidget* chooser = opened(MenuWindow::Learners, kLearner);
    ASSERT_NE(chooser, nullptr);
    auto* list = chooser->findChild<QTreeWidget*>();
    ASSERT_EQ(list->topLevelItemCount(), 3) << "a learner of the practice room only is listed";
    EXPECT_EQ(list->topLevelItem(0)->text(0), "小珠");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "2026-12-08");
    list->setCurrentItem(list->topLevelItem(2));
    emit list->itemActivated(list->topLevelItem(2), 0);
    EXPECT_EQ(trainer.window.form.Text1.caption(), "小明");
    EXPECT_EQ(trainer.widget<QLineEdit>("Text1").text(), "小明");

    // A name that shows nothing is typed as if nothing were: the highlighted learner is taken.
    chooser = opened(MenuWindow::Learners, "小明");
    ASSERT_NE(chooser, nullptr);
    auto* typed = chooser->findChild<QLineEdit*>("newLearner");
    ASSERT_NE(typed, nullptr);
    typed->setText(QStringLiteral("\u200B\uFEFF\u2060"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(trainer.window.form.Text1.caption(), "小珠");

    // A name typed in the chooser is taken in place of the highlighted learner.
    chooser = opened(MenuWindow::Learners, "小珠");
    ASSERT_NE(chooser, nullptr);
    typed = chooser->findChild<QLineEdit*>("newLearner");
    ASSERT_NE(typed, nullptr);
    typed->setText(QStringLiteral("  小刚 "));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(trainer.window.form.Text1.caption(), "小刚");

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
    EXPECT_EQ(trainer.menuWindows.opened[0].learner, "小刚");
}

}  // namespace
