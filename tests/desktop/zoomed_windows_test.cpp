// The toolkit's own windows at the largest zoom and in the clear scheme: the history's pages,
// the calendar, the learner chooser, the menu bar, a message box, the about box and the
// practice room are drawn at the zoom, clip no text, stay within the screen (scrolling what
// does not fit), and every text stands out from its ground. With
// ABACUS_SCREENSHOTS naming a folder, each window is kept there as a picture.

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "appearance/colour_scheme.h"
#include "desktop/services/qt_dialogs.h"
#include "desktop/windows/qt_menu_windows.h"
#include "history/history_fixture.h"
#include "history/sqlite/history_file.h"
#include "qt_trainer.h"

namespace {

constexpr char kLearner[] = "豆 豆";

// The contrast of two toolkit colours.
double contrastOf(const QColor& text, const QColor& ground) {
    const auto rgb = [](const QColor& colour) {
        return Rgb{static_cast<std::uint8_t>(colour.red()),
                   static_cast<std::uint8_t>(colour.green()),
                   static_cast<std::uint8_t>(colour.blue())};
    };
    return contrastRatio(rgb(text), rgb(ground));
}

// The smallest contrast of a text on its ground among `window` and its widgets, a disabled
// text's counted as if 4.5 to 1 were 7 to 1; `worst` names the widget that has it.
double worstContrast(QWidget& window, QString& worst) {
    double least = 21;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        // A plain holder shows no text, nor does a hidden part such as the year's editor.
        if (widget->metaObject() == &QWidget::staticMetaObject || !widget->isVisibleTo(&window)) {
            continue;
        }
        const QPalette palette = widget->palette();
        const QPalette::ColorGroup group =
            widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        // A raised-on-hover tool button shows its text on the ground of what holds it; one that
        // shows only an arrow has no text to read.
        const auto* tool = qobject_cast<QToolButton*>(widget);
        if (tool != nullptr && tool->text().isEmpty()) continue;
        const bool raised = tool != nullptr && tool->autoRaise() && tool->parentWidget() != nullptr;
        for (const auto& [text, ground] : {std::pair{QPalette::WindowText, QPalette::Window},
                                           std::pair{QPalette::Text, QPalette::Base},
                                           std::pair{QPalette::ButtonText, QPalette::Button}}) {
            const QColor groundColour = raised && text == QPalette::ButtonText
                                            ? tool->parentWidget()->palette().color(
                                                  group, tool->parentWidget()->backgroundRole())
                                            : palette.color(group, ground);
            // A disabled text may look paler: it needs 4.5 to 1 where an enabled one needs 7.
            const double ratio = contrastOf(palette.color(group, text), groundColour) *
                                 (group == QPalette::Disabled ? 7.0 / 4.5 : 1.0);
            if (ratio < least) {
                least = ratio;
                worst =
                    widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
            }
        }
    }
    return least;
}

struct ZoomedWindows : ::testing::Test {
    ZoomedWindows() {
        HistoryOpening opening = openHistoryFile(historyFileIn(folder.path().toStdString()));
        trainer.history.open(std::move(opening.store));
        windows.attach(*trainer.view, QApplication::font());
        StoredRun practice = sampleRun(kLearner, "2026-12-08", 6);
        practice.exam = false;
        trainer.history.storeRun(sampleRun(kLearner, "2026-12-01", 6));
        trainer.history.storeRun(practice);
        StoredDrill chain;
        chain.learner = kLearner;
        chain.date = QDate::currentDate().toString(Qt::ISODate).toStdString();  // the day shown
        chain.time = "10:00:00";
        chain.kind = "闪电心算";
        chain.chain = "2+4+7+9+7";
        chain.answer = "20";
        trainer.history.storeDrill(chain);
        trainer.history.storeLevelTest({kLearner, "2026-12-08", "08:00:00", 0, 10, {9}, true, {}});
        trainer.window.state.zoomPercent = 200;
        trainer.window.state.colourScheme = "1";
        trainer.view->sync();
    }

    // The window asked for, once the event loop has opened it.
    QWidget* opened(MenuWindow which) {
        windows.open(which, kLearner, {});
        windows.waitForReads();
        QApplication::processEvents();
        return windows.shown(which);
    }

    // Keeps a picture of `window` when a folder for them is named.
    static void keep(QWidget& window, const char* name) {
        const QByteArray folder = qgetenv("ABACUS_SCREENSHOTS");
        if (folder.isEmpty()) return;
        window.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString(name) + ".png"));
    }

    // Fails when `window` is larger than the room the screen leaves or has a text too faint.
    static void expectFitsAndReads(QWidget& window) {
        const QRect room = window.screen()->availableGeometry();
        EXPECT_LE(window.width(), room.width()) << window.windowTitle().toStdString();
        EXPECT_LE(window.height(), room.height()) << window.windowTitle().toStdString();
        QString worst;
        EXPECT_GE(worstContrast(window, worst), 7.0) << worst.toStdString();
    }

    QTemporaryDir folder;
    QtTrainer trainer;
    QtMenuWindows windows{trainer.history};
    const int basePixels = QFontInfo(QApplication::font()).pixelSize();
};

TEST_F(ZoomedWindows, EveryHistoryPageGrowsWithTheZoomFitsTheScreenAndClipsNoText) {
    QWidget* window = opened(MenuWindow::History);
    ASSERT_NE(window, nullptr);
    EXPECT_NEAR(QFontInfo(window->font()).pixelSize(), 2 * basePixels, 1);
    expectFitsAndReads(*window);
    auto* pages = window->findChild<QTabWidget*>();
    const QFontMetrics metrics(pages->font());
    for (int page = 0; page < pages->count(); ++page) {
        EXPECT_GE(pages->tabBar()->tabRect(page).width(),
                  metrics.horizontalAdvance(pages->tabText(page)))
            << pages->tabText(page).toStdString();
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        keep(*window, ("history-page" + std::to_string(page + 1)).c_str());
        for (const QTableView* table : pages->widget(page)->findChildren<QTableView*>()) {
            const QAbstractItemModel& cells = *table->model();
            for (int row = 0; row < cells.rowCount(); ++row) {
                EXPECT_GE(table->rowHeight(row), metrics.height());
                for (int column = 0; column + 1 < cells.columnCount(); ++column) {
                    const QString text = cells.index(row, column).data().toString();
                    EXPECT_GE(table->columnWidth(column), metrics.horizontalAdvance(text))
                        << text.toStdString();
                }
            }
        }
    }
}

TEST_F(ZoomedWindows, TheCalendarTheChooserTheMenuBarAndTheOtherWindowsAreDrawnAtTheZoom) {
    QWidget* calendar = opened(MenuWindow::Calendar);
    ASSERT_NE(calendar, nullptr);
    expectFitsAndReads(*calendar);
    auto* month = calendar->findChild<QToolButton*>("qt_calendar_monthbutton");
    ASSERT_NE(month, nullptr);
    EXPECT_NEAR(QFontInfo(month->font()).pixelSize(), 2 * basePixels, 1) << "the month bar grows";
    auto* next = calendar->findChild<QToolButton*>("qt_calendar_nextmonth");
    EXPECT_GE(next->iconSize().height(), basePixels * 2) << "so do its arrows";
    keep(*calendar, "calendar");
    const auto* day = calendar->findChild<QListWidget*>();
    EXPECT_EQ(day->item(day->count() - 1)->text(), "10:00:00  闪电心算  2+4+7+9+7=29  答20 ×");

    QWidget* chooser = opened(MenuWindow::Learners);
    ASSERT_NE(chooser, nullptr);
    expectFitsAndReads(*chooser);
    keep(*chooser, "learners");

    QWidget& main = trainer.view->mainWindow();
    auto* bar = main.findChild<QMenuBar*>();
    EXPECT_NEAR(QFontInfo(bar->font()).pixelSize(), 2 * basePixels, 1);
    for (QAction* menu : bar->actions()) {
        EXPECT_NEAR(QFontInfo(menu->menu()->font()).pixelSize(), 2 * basePixels, 1);
    }
    QMenu* practice = bar->actions().front()->menu();
    practice->popup(main.mapToGlobal(QPoint(0, bar->height())));
    QApplication::processEvents();
    keep(*practice, "practice-menu");
    expectFitsAndReads(*practice);
    practice->close();
    trainer.window.form.Text1.enabled = false;  // as a run leaves it, greyed but legible
    trainer.view->sync();
    keep(main, "main-window");
    QString worst;
    EXPECT_GE(worstContrast(main, worst), 7.0) << worst.toStdString();

    // The trainer's own other windows: the about box and the practice room.
    trainer.view->send(Event{EventKind::Click, "Label31", -1, {}});
    trainer.view->send(Event{EventKind::Menu, "Form1_main", -1, "闪电心算…"});
    QApplication::processEvents();
    for (const auto& [window, name] : {std::pair{trainer.view->aboutBox(), "about-box"},
                                       std::pair{trainer.view->practiceRoom(), "practice-room"}}) {
        ASSERT_NE(window, nullptr) << name;
        keep(*window, name);
        expectFitsAndReads(*window);
    }
    const QWidget* room = trainer.view->practiceRoom();
    const auto* scroller = room->findChild<QScrollArea*>();
    EXPECT_GT(scroller->widget()->height(), room->height());
    EXPECT_TRUE(scroller->verticalScrollBar()->isVisible()) << "the room scrolls what does not fit";
}

TEST_F(ZoomedWindows, AMessageBoxWritesItsTextAtTheWholeZoom) {
    int textPixels = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const auto* text = box->findChild<QLabel*>("qt_msgbox_label");
        textPixels = QFontInfo(text->font()).pixelSize();
        keep(*box, "message-box");
        expectFitsAndReads(*box);
        box->accept();
    });
    QtDialogs().inform("现在不能更换答题人：请等这一轮答题结束后再选择学习者。");
    EXPECT_NEAR(textPixels, 2 * basePixels, 1);
}

}  // namespace
