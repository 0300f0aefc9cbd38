#pragma once
// The menu keys' windows on the desktop: the history, the calendar and the learners list,
// each opened once the handler that asked has finished, and the record list saved as text.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>

#include "history/class_server/teacher_records.h"
#include "model/services.h"

class TrainerView;

class QtMenuWindows : public MenuWindows {
  public:
    explicit QtMenuWindows(HistoryStore& store) : store_(store) {}

    // The view whose main window the windows belong to and whose model a chosen learner
    // goes into; its windows show their texts in `font` at the zoom chosen when they open.
    void attach(TrainerView& view, const QFont& font);
    // The history file in use, which a class is joined for; empty while no record is kept.
    void setHistoryPath(const std::string& path);
    // Where a teacher's line is kept; the history window gains the 班级 page while one is.
    void setTeacherLinePath(const std::string& path);
    void open(MenuWindow which, const std::string& learner,
              const std::vector<std::string>& lines) override;
    void followLearner(const std::string& learner) override;
    // The window of that kind while it is open, else nullptr.
    QWidget* shown(MenuWindow which) const;

  private:
    void show(MenuWindow which, const std::string& learner, const std::vector<std::string>& lines);
    // The history window of `learner`, with the 班级 page while a teacher is logged in.
    QWidget* historyWindow(const std::string& learner);
    // The practice calendar of `learner`, on today's month.
    QWidget* calendarWindow(const std::string& learner);
    // Rebuilds the open history and calendar windows for `learner` where they stand.
    void follow(const std::string& learner);
    // Shows a learner of `className` read from the class server, read only.
    void showClassLearner(const std::string& className, const std::string& learner,
                          const LearnerRecords& records);

    HistoryStore& store_;
    TrainerView* view_ = nullptr;
    QFont font_;
    QObject context_;
    QPointer<QWidget> history_;
    QPointer<QWidget> calendar_;
    QPointer<QWidget> learners_;
    QPointer<QWidget> joinClass_;
    QPointer<QWidget> teacherLogin_;
    QPointer<QWidget> classLearner_;
    std::string historyLearner_;   // whose records the history window shows
    std::string calendarLearner_;  // whose practice the calendar shows
    std::string historyPath_;
    std::string teacherLinePath_;
};
