// The class server in the history window: the class joined with the records still waiting,
// the line gone while no class is joined, and a class left while its outbox still empties; the
// menu's "加入班级…" opens the joining dialog, which keeps nothing for an empty line.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop/windows/qt_menu_windows.h"
#include "history/class_server/class_outbox.h"
#include "history/history_fixture.h"
#include "history/sqlite/history_file.h"
#include "qt_trainer.h"

namespace {

struct ClassStatus : ::testing::Test {
    ClassStatus() {
        windows.attach(*trainer.view, QFont());
        windows.setHistoryPath(path);
        trainer.history.open(openHistoryFile(path).store);
    }

    // The texts of the history window's class line, or "hidden" while it is not shown.
    std::string classLine() {
        windows.open(MenuWindow::History, "豆 豆", {});
        QApplication::processEvents();
        QWidget* line = windows.shown(MenuWindow::History)->findChild<QWidget*>("classStatus");
        if (line == nullptr || !line->isVisibleTo(line->window())) return "hidden";
        std::string texts = line->findChild<QLabel*>()->text().toStdString();
        auto* leave = line->findChild<QPushButton*>();
        if (leave->isVisibleTo(line->window())) texts += " [" + leave->text().toStdString() + "]";
        return texts;
    }

    QTemporaryDir folder;
    std::string path = historyFileIn(folder.path().toStdString());
    QtTrainer trainer;
    QtMenuWindows windows{trainer.history};
};

TEST_F(ClassStatus, TheHistoryWindowShowsTheClassAndWhatWaitsUntilItIsLeft) {
    EXPECT_EQ(classLine(), "hidden");
    ASSERT_TRUE(ClassOutbox(path).join("host=school.lan user=class_1 password=x", "三年级二班"));
    EXPECT_EQ(classLine(), "已加入：三年级二班；待上传 0 条 [退出班级]");
    trainer.history.storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    trainer.history.storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    EXPECT_EQ(classLine(), "已加入：三年级二班；待上传 2 条 [退出班级]");
    ASSERT_TRUE(ClassOutbox(path).leave());
    trainer.history.storeRun(sampleRun("豆 豆", "2026-12-09", 3));  // no longer for the class
    EXPECT_EQ(classLine(), "已退出：三年级二班；还有 2 条记录在上传");
    ASSERT_TRUE(ClassOutbox(path).dropClass());
    EXPECT_EQ(classLine(), "hidden");
}

TEST_F(ClassStatus, TheMenuOpensTheJoiningDialogWhichAsksForTheLineFirst) {
    trainer.view->send(Event{EventKind::Menu, "Form1_main", -1, "加入班级…"});
    ASSERT_FALSE(trainer.menuWindows.opened.empty());
    EXPECT_EQ(trainer.menuWindows.opened.back().which, MenuWindow::JoinClass);
    windows.open(MenuWindow::JoinClass, "豆 豆", {});
    QApplication::processEvents();
    QWidget* dialog = windows.shown(MenuWindow::JoinClass);
    ASSERT_NE(dialog, nullptr);
    auto* join = dialog->findChild<QPushButton*>();
    ASSERT_EQ(join->text(), "加入");
    join->click();
    QApplication::processEvents();
    bool asked = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        asked = asked || label->text() == "请先粘贴老师给的加入代码。";
    }
    EXPECT_TRUE(asked);
    EXPECT_FALSE(ClassOutbox(path).link());
}

}  // namespace
