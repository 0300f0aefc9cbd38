// The class server in the history window: the class joined with the records still waiting,
// the line gone while no class is joined, and a class left while its outbox still empties; the
// menu's "加入班级…" opens the joining dialog, which keeps nothing for an empty line; "教师登录…"
// keeps nothing when the server does not answer, the 班级 page shows that server's message, and
// the class's table sorts counts, shares and levels by their number.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "class_admin.h"
#include "class_server/postgres_server.h"
#include "desktop/services/trainer_modules.h"
#include "desktop/windows/class_report_table.h"
#include "desktop/windows/qt_menu_windows.h"
#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/kept_teacher_line.h"
#include "history/class_server/outbox_sender.h"
#include "history/history_fixture.h"
#include "history/sqlite/history_file.h"
#include "qt_trainer.h"

namespace {

struct ClassStatus : ::testing::Test {
    ClassStatus() {
        windows.attach(*trainer.view, QFont());
        windows.setHistoryPath(path);
        windows.setTeacherLinePath(teacherLine);
        trainer.history.open(openHistoryFile(path).store);
        addTrainerModuleFolder(QStringLiteral(ABACUS_MODULE_BUILD_FOLDER));
    }

    // Lets the window's thread run until `done`, the server's answer arriving from the module's
    // thread; a message box it opens meanwhile is closed from within its own loop.
    static void runUntil(const std::function<bool()>& done) {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->done(QMessageBox::Ok);
            }
        });
        closer.start(20);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    // Lets the window's thread run until `label` shows something other than `waiting`; its
    // text then.
    static std::string answerIn(QLabel& label, const QString& waiting) {
        runUntil([&] { return label.text() != waiting; });
        return label.text().toStdString();
    }

    // The label of `window` that shows `text`, or nullptr.
    static QLabel* labelShowing(QWidget& window, const QString& text) {
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text() == text) return label;
        }
        return nullptr;
    }

    // The texts of the history window's class line, or "hidden" while it is not shown.
    std::string classLine() {
        windows.open(MenuWindow::History, "豆 豆", {});
        windows.waitForReads();
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
    std::string teacherLine = teacherLineFileIn(folder.path().toStdString());
    // A socket folder where no server listens.
    std::string nowhere = "host=" + folder.path().toStdString() +
                          " port=5432 dbname=abacus user=teacher_1 password=x";
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
    EXPECT_EQ(dialog->findChild<QLineEdit*>()->echoMode(), QLineEdit::Password)
        << "the line holds the class's password";
    join->click();
    QApplication::processEvents();
    bool asked = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        asked = asked || label->text() == "请先粘贴老师给的加入代码。";
    }
    EXPECT_TRUE(asked);
    EXPECT_FALSE(ClassOutbox(path).link());
}

TEST_F(ClassStatus, ATeacherLineIsKeptOnlyOnceTheServerAnswersAndItsPageShowsWhyNot) {
    trainer.view->send(Event{EventKind::Menu, "Form1_main", -1, "教师登录…"});
    EXPECT_EQ(trainer.menuWindows.opened.back().which, MenuWindow::TeacherLogin);
    windows.open(MenuWindow::TeacherLogin, "豆 豆", {});
    QApplication::processEvents();
    QWidget* dialog = windows.shown(MenuWindow::TeacherLogin);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>()->setText(QString::fromStdString(nowhere));
    dialog->findChild<QPushButton*>()->click();
    QLabel* status = labelShowing(*dialog, QStringLiteral("正在连接班级服务器…"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(answerIn(*status, QStringLiteral("正在连接班级服务器…")),
              "没有登录：班级服务器“" + folder.path().toStdString() +
                  "”没有应答，请检查网络，或稍后再试。");
    EXPECT_FALSE(keptTeacherLine(teacherLine));
    EXPECT_FALSE(std::filesystem::exists(teacherLine));
    windows.open(MenuWindow::History, "豆 豆", {});
    windows.waitForReads();
    QApplication::processEvents();
    EXPECT_EQ(windows.shown(MenuWindow::History)->findChild<QWidget*>("classPage"), nullptr);

    // A link put where the line is kept is neither read nor written through.
    const std::string elsewhere = folder.path().toStdString() + "/elsewhere";
    ASSERT_TRUE(keepTeacherLine(elsewhere, "host=school.lan user=teacher_2 password=y"));
    std::filesystem::create_symlink(elsewhere, teacherLine);
    EXPECT_FALSE(keptTeacherLine(teacherLine));
    windows.open(MenuWindow::History, "豆 豆", {});
    windows.waitForReads();
    QApplication::processEvents();
    EXPECT_EQ(windows.shown(MenuWindow::History)->findChild<QWidget*>("classPage"), nullptr);

    // A line kept before, whose server is gone since: the page says so and shows no table.
    ASSERT_TRUE(keepTeacherLine(teacherLine, nowhere));
    EXPECT_FALSE(std::filesystem::is_symlink(teacherLine));
    EXPECT_EQ(keptTeacherLine(elsewhere), "host=school.lan user=teacher_2 password=y");
    EXPECT_EQ(std::filesystem::status(teacherLine).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    windows.open(MenuWindow::History, "豆 豆", {});
    windows.waitForReads();
    QApplication::processEvents();
    QWidget* page = windows.shown(MenuWindow::History)->findChild<QWidget*>("classPage");
    ASSERT_NE(page, nullptr);
    auto* reading = page->findChild<QLabel*>("classPageStatus");
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(answerIn(*reading, QStringLiteral("正在读取班级…")),
              "无法读取班级：班级服务器“" + folder.path().toStdString() +
                  "”没有应答，请检查网络，或稍后再试。");
    EXPECT_EQ(page->findChild<QTableWidget*>()->rowCount(), 0);
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
        if (button->text() == "退出教师登录") button->click();
    }
    EXPECT_FALSE(std::filesystem::exists(teacherLine));
}

TEST_F(ClassStatus, TheClassTableSortsCountsSharesAndLevelsByTheirNumber) {
    ClassTable classTable;
    classTable.header = {"学员", "最近练习", "7天分钟", "最高通过级别", "7天正确率"};
    classTable.rows = {{"甲", "2026-12-08", "12", "七级", "100%"},
                       {"乙", "2026-11-20", "9", "", "67%"},
                       {"丙", "2026-12-01", "100", "一级", ""},
                       {"丁", "2026-12-07", "0", "十级", "8%"}};
    QTableWidget* table = classReportTable(nullptr);
    showClassReport(*table, classTable);
    // The learners' names from the top row down.
    const auto learners = [table] {
        std::string names;
        for (int row = 0; row < table->rowCount(); ++row) {
            names += table->item(row, 0)->text().toStdString();
        }
        return names;
    };
    table->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(learners(), "丁乙甲丙");
    table->sortByColumn(3, Qt::AscendingOrder);
    EXPECT_EQ(learners(), "乙丁甲丙");
    table->sortByColumn(4, Qt::DescendingOrder);
    EXPECT_EQ(learners(), "甲乙丁丙");
    table->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(learners(), "乙丙丁甲");
    delete table;
}

TEST_F(ClassStatus, ATeacherLoggedInOpensALearnerOfTheirClassInTheFamilysPagesReadOnly) {
    PostgresServer server;
    ASSERT_TRUE(server.running());
    PgSession admin(server.line());
    std::string message;
    ASSERT_TRUE(initClassServer(admin, message)) << message;
    const std::string classLine = addClass(admin, "三年级二班", {}, message);
    const std::string teacher = addTeacher(admin, {"三年级二班"}, {}, message);
    ASSERT_FALSE(teacher.empty()) << message;
    trainer.history.storeRun(sampleRun("豆 豆", "2026-12-08", 3));
    ASSERT_TRUE(joinClass(path, classLine).joined);
    ASSERT_EQ(OutboxSender(path).sendWaiting().sent, 1);

    windows.open(MenuWindow::TeacherLogin, "豆 豆", {});
    QApplication::processEvents();
    QWidget* dialog = windows.shown(MenuWindow::TeacherLogin);
    dialog->findChild<QLineEdit*>()->setText(QString::fromStdString(teacher));
    dialog->findChild<QPushButton*>()->click();
    runUntil([&] { return keptTeacherLine(teacherLine).has_value(); });
    EXPECT_EQ(keptTeacherLine(teacherLine), teacher);

    windows.open(MenuWindow::History, "豆 豆", {});
    windows.waitForReads();
    QApplication::processEvents();
    QWidget* page = windows.shown(MenuWindow::History)->findChild<QWidget*>("classPage");
    ASSERT_NE(page, nullptr);
    auto* table = page->findChild<QTableWidget*>();
    runUntil([&] { return table->rowCount() > 0; });
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), "豆 豆");
    table->setCurrentCell(0, 0);
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
        if (button->text() == "查看学习记录") button->click();
    }
    QWidget* learner = nullptr;
    runUntil([&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == "学习记录 — 豆 豆（三年级二班）") {
                learner = window;
            }
        }
        return learner != nullptr;
    });
    ASSERT_NE(learner, nullptr);
    auto* pages = learner->findChild<QTabWidget*>();
    EXPECT_EQ(pages->count(), 4) << "the family's pages, without a 班级 page of its own";
    pages->setCurrentIndex(1);
    QApplication::processEvents();
    QStringList buttons;
    for (QPushButton* button : learner->findChildren<QPushButton*>()) buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"复制全部", "打印…"}));
    EXPECT_EQ(learner->findChild<QTableView*>()->model()->rowCount(), 1);
}

}  // namespace
