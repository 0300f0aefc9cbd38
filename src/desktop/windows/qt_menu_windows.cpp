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
    QTimer::singleShot(0, &context_,
                       [this, which, learner, lines] { show(which, learner, lines); });
}

void QtMenuWindows::followLearner(const std::string& learner) {
    QTimer::singleShot(0, &context_, [this, learner] { follow(learner); });
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

// Builds the window asked for from what the history holds now.
void QtMenuWindows::show(MenuWindow which, const std::string& learner,
                         const std::vector<std::string>& lines) {
    if (view_ == nullptr) return;
    QWidget& main = view_->mainWindow();
    const QFont zoomed = zoomedFont(font_);
    switch (which) {
        case MenuWindow::History:
            replaceWindow(history_, historyWindow(learner), font_);
            historyLearner_ = learner;
            break;
        case MenuWindow::Calendar:
            replaceWindow(calendar_, calendarWindow(learner), font_);
            calendarLearner_ = learner;
            break;
        case MenuWindow::Learners:
            replaceWindow(learners_,
                          new LearnerChooser(
                              store_.learners(),
                              [view = view_](const std::string& name) {
                                  view->send(Event{EventKind::Pick, {}, -1, name});
                              },
                              zoomed, &main),
                          font_);
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

QWidget* QtMenuWindows::historyWindow(const std::string& learner) {
    auto* window = new HistoryWindow(
        learner, store_.runsOf(learner),
        [this, learner] { return store_.wrongQuestionsOf(learner); },
        [view = view_] {
            view->send(Event{EventKind::RedoWrongQuestions, {}, -1, {}});
        },
        store_.levelTests(learner), store_.allDrills(), zoomedFont(font_), &view_->mainWindow());
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
    return window;
}

QWidget* QtMenuWindows::calendarWindow(const std::string& learner) {
    return new CalendarWindow(learner, store_.runsOf(learner), store_.allDrills(),
                              store_.levelTests(learner), QDate::currentDate(), zoomedFont(font_),
                              &view_->mainWindow());
}

void QtMenuWindows::follow(const std::string& learner) {
    if (view_ == nullptr) return;
    if (history_ && historyLearner_ != learner) {
        replaceInPlace(history_, historyWindow(learner), font_);
        historyLearner_ = learner;
    }
    if (calendar_ && calendarLearner_ != learner) {
        replaceInPlace(calendar_, calendarWindow(learner), font_);
        calendarLearner_ = learner;
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
