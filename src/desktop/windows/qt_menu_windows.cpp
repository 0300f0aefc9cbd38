#include "desktop/windows/qt_menu_windows.h"

#include <QDate>
#include <QTimer>

#include "desktop/form/trainer_view.h"
#include "desktop/form/view_appearance.h"
#include "desktop/record_list/record_list_menu.h"
#include "desktop/services/window_appearance.h"
#include "desktop/windows/calendar_window.h"
#include "desktop/windows/class_join_dialog.h"
#include "desktop/windows/class_page.h"
#include "desktop/windows/class_status_line.h"
#include "desktop/windows/history_window.h"
#include "desktop/windows/learner_chooser.h"
#include "desktop/windows/scrolling_content.h"
#include "desktop/windows/teacher_login_dialog.h"
#include "history/class_server/kept_teacher_line.h"
#include "ui/dispatch.h"

namespace {

constexpr int kPaperFontPixels = 19;  // 14 points on a 96-dpi screen
constexpr int kClassWindowWidth = 1000;

// Shows a new window in place of the one of its kind still open, in the chosen colours, at
// the chosen zoom of its size (it was built in the zoomed `font`) and never larger than the
// room the screen leaves.
void replaceWindow(QPointer<QWidget>& slot, QWidget* window, const QFont& font) {
    if (slot) slot->close();
    dressInAppearance(*window, font);
    window->resize(QSize(static_cast<int>(window->width() * zoomFactor()),
                         static_cast<int>(window->height() * zoomFactor())));
    fitOnScreen(*window);
    slot = window;
    window->show();
    window->raise();
    window->activateWindow();
}

// Shows a window in place of `slot`'s, at its place and size, leaving the focus where it is: the
// window follows a learner chosen elsewhere.
void replaceInPlace(QPointer<QWidget>& slot, QWidget* window, const QFont& font) {
    const QRect geometry = slot->geometry();
    slot->close();
    dressInAppearance(*window, font);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setGeometry(geometry);
    slot = window;
    window->show();
}

// The font of a printed level paper: large enough for a child to read and write beside.
QFont paperFont() {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(kPaperFontPixels);
    return font;
}

}  // namespace

void QtMenuWindows::attach(TrainerView& view, const QFont& font) {
    view_ = &view;
    font_ = font;
}

void QtMenuWindows::setHistoryPath(const std::string& path) { historyPath_ = path; }

void QtMenuWindows::setTeacherLinePath(const std::string& path) { teacherLinePath_ = path; }

void QtMenuWindows::open(MenuWindow which, const std::string& learner,
                         const std::vector<std::string>& lines) {
    if (which == MenuWindow::History || which == MenuWindow::Calendar ||
        which == MenuWindow::Learners) {
        readThenShow(which, learner);
        return;
    }
    QTimer::singleShot(0, &context_, [this, which, lines] { show(which, lines); });
}

void QtMenuWindows::followLearner(const std::string& learner) {
    if (history_ && historyLearner_ != learner) {
        readThenShow(MenuWindow::History, learner, Placing::InPlace);
    }
    if (calendar_ && calendarLearner_ != learner) {
        readThenShow(MenuWindow::Calendar, learner, Placing::InPlace);
    }
}

void QtMenuWindows::waitForReads() { reads_.waitForDone(); }

void QtMenuWindows::readThenShow(MenuWindow which, const std::string& learner, Placing placing) {
    const unsigned asked = ++asked_[which];
    reads_.start([this, which, learner, asked, placing] {
        ReadRecords records;
        if (which == MenuWindow::Learners) {
            records.learners = store_.learners();
        } else {
            records.runs = store_.runsOf(learner);
            records.levelTests = store_.levelTests(learner);
            records.drills = store_.allDrills();
            if (which == MenuWindow::History) records.book = store_.wrongQuestionsOf(learner);
        }
        QMetaObject::invokeMethod(
            &context_,
            [this, which, learner, asked, placing, records = std::move(records)] {
                if (asked == asked_[which]) showRead(which, learner, records, placing);
            },
            Qt::QueuedConnection);
    });
}

QWidget* QtMenuWindows::shown(MenuWindow which) const {
    switch (which) {
        case MenuWindow::History:
            return history_;
        case MenuWindow::Calendar:
            return calendar_;
        case MenuWindow::Learners:
            return learners_;
        case MenuWindow::SaveRecordList:
        case MenuWindow::PrintLevelPaper:
            break;
        case MenuWindow::JoinClass:
            return joinClass_;
        case MenuWindow::TeacherLogin:
            return teacherLogin_;
    }
    return nullptr;
}

// Builds the history, calendar or learners window from what was read for it.
void QtMenuWindows::showRead(MenuWindow which, const std::string& learner,
                             const ReadRecords& records, Placing placing) {
    if (view_ == nullptr) return;
    QWidget& main = view_->mainWindow();
    const QFont zoomed = zoomedFont(font_);
    const auto place = [this, placing](QPointer<QWidget>& slot, QWidget* window) {
        if (placing == Placing::InPlace && slot) {
            replaceInPlace(slot, window, font_);
        } else {
            replaceWindow(slot, window, font_);
        }
    };
    switch (which) {
        case MenuWindow::History: {
            auto* window = new HistoryWindow(
                learner, records.runs, [book = records.book] { return book; },
                [view = view_] {
                    view->send(Event{EventKind::RedoWrongQuestions, {}, -1, {}});
                },
                records.levelTests, records.drills, zoomed, &main);
            addClassStatus(*window, historyPath_);
            if (!teacherLinePath_.empty() && keptTeacherLine(teacherLinePath_)) {
                window->addPage(new ClassPage(
                                    teacherLinePath_,
                                    [this](const std::string& className, const std::string& name,
                                           const LearnerRecords& records) {
                                        showClassLearner(className, name, records);
                                    },
                                    window),
                                QStringLiteral("班级"));
                // The class's table is nine columns wide.
                window->resize(kClassWindowWidth, window->height());
            }
            place(history_, window);
            historyLearner_ = learner;
            break;
        }
        case MenuWindow::Calendar:
            place(calendar_,
                  new CalendarWindow(learner, records.runs, records.drills, records.levelTests,
                                     QDate::currentDate(), zoomed, &main));
            calendarLearner_ = learner;
            break;
        case MenuWindow::Learners:
            replaceWindow(learners_,
                          new LearnerChooser(
                              records.learners,
                              [view = view_](const std::string& name) {
                                  view->send(Event{EventKind::Pick, {}, -1, name});
                              },
                              zoomed, &main),
                          font_);
            break;
        default:
            break;
    }
}

// Builds the window asked for once the handler that asked has finished.
void QtMenuWindows::show(MenuWindow which, const std::vector<std::string>& lines) {
    if (view_ == nullptr) return;
    QWidget& main = view_->mainWindow();
    const QFont zoomed = zoomedFont(font_);
    switch (which) {
        case MenuWindow::History:
        case MenuWindow::Calendar:
        case MenuWindow::Learners:
            break;
        case MenuWindow::SaveRecordList:
            saveRecordListAs(main, lines);
            break;
        case MenuWindow::PrintLevelPaper:
            printLevelSheetWithDialog(main, lines, paperFont());
            break;
        case MenuWindow::JoinClass:
            replaceWindow(joinClass_, new ClassJoinDialog(historyPath_, zoomed, &main), font_);
            break;
        case MenuWindow::TeacherLogin:
            replaceWindow(teacherLogin_, new TeacherLoginDialog(teacherLinePath_, zoomed, &main),
                          font_);
            break;
    }
}

void QtMenuWindows::showClassLearner(const std::string& className, const std::string& learner,
                                     const LearnerRecords& records) {
    if (view_ == nullptr) return;
    auto* window = new HistoryWindow(
        learner, records.runs, [book = records.book] { return book; }, RedoRequest{},
        records.levelTests, records.drills, zoomedFont(font_), &view_->mainWindow());
    window->setWindowTitle(
        QStringLiteral("学习记录 — %1（%2）")
            .arg(QString::fromStdString(learner).left(30), QString::fromStdString(className)));
    replaceWindow(classLearner_, window, font_);
}
