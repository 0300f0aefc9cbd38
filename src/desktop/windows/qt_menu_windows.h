#pragma once
// The menu keys' windows on the desktop: the history, the calendar and the learners list,
// each shown once what it shows has been read off the window's thread, however long the
// history; and the record list saved as text, once the handler that asked has finished.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QWidget>
#include <map>
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
    // The open history and calendar windows of another learner are read and built afresh for
    // `learner` where they stand, without taking the focus.
    void followLearner(const std::string& learner) override;
    // The window of that kind while it is open, else nullptr.
    QWidget* shown(MenuWindow which) const;
    // Waits until the reads of the windows asked for so far are done; the windows show once
    // the window's thread runs its events again.
    void waitForReads();

  private:
    // What the history, calendar or learners window shows, as read from the history.
    struct ReadRecords {
        std::vector<StoredRun> runs;
        std::vector<StoredLevelTest> levelTests;
        std::vector<StoredDrill> drills;
        std::vector<LearnerSummary> learners;
        std::vector<WrongQuestion> book;
    };

    // Whether a window read afresh comes to the front, or takes the place of the open one.
    enum class Placing { ToFront, InPlace };

    // Reads what the window `which` shows off the window's thread, then shows it, unless the
    // window of that kind has been asked for again meanwhile.
    void readThenShow(MenuWindow which, const std::string& learner,
                      Placing placing = Placing::ToFront);
    // Shows the history, calendar or learners window with what was read for it.
    void showRead(MenuWindow which, const std::string& learner, const ReadRecords& records,
                  Placing placing);
    // Shows the other windows once the handler that asked has finished.
    void show(MenuWindow which, const std::vector<std::string>& lines);
    // Shows a learner of `className` read from the class server, read only.
    void showClassLearner(const std::string& className, const std::string& learner,
                          const LearnerRecords& records);

    HistoryStore& store_;
    TrainerView* view_ = nullptr;
    QFont font_;
    QObject context_;
    QThreadPool reads_;
    std::map<MenuWindow, unsigned> asked_;  // how often each window was asked for
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
