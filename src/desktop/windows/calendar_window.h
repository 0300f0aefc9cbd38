#pragma once
// A month calendar of one learner's practice: each day with runs shows how many runs and
// questions, beside them the practice room's chains and bead questions and the level tests;
// the month's totals stand below, and clicking a day lists that day's work.

#include <QCalendarWidget>
#include <QDialog>
#include <string>
#include <vector>

#include "history/history_views.h"

class QLabel;
class QListWidget;

// The calendar itself, painting the day's figures under its number.
class PracticeCalendar : public QCalendarWidget {
  public:
    PracticeCalendar(const std::vector<StoredRun>& runs, const std::vector<StoredDrill>& drills,
                     const std::vector<StoredLevelTest>& levelTests, std::string learner,
                     QWidget* parent);
    // The figures of the month on view.
    const MonthFigures& figures() const { return figures_; }

  protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

  private:
    void showMonth(int year, int month);

    const std::vector<StoredRun>& runs_;
    const std::vector<StoredDrill>& drills_;
    const std::vector<StoredLevelTest>& levelTests_;
    std::string learner_;
    MonthFigures figures_;
    int year_ = 0;
    int month_ = 0;
};

class CalendarWindow : public QDialog {
  public:
    CalendarWindow(const std::string& learner, std::vector<StoredRun> runs,
                   std::vector<StoredDrill> drills, std::vector<StoredLevelTest> levelTests,
                   QDate today, const QFont& font, QWidget* parent);

    // The list of the selected day's runs and other work, one line each (for tests and
    // screenshots).
    QListWidget& dayRuns() const { return *dayRuns_; }
    PracticeCalendar& calendar() const { return *calendar_; }

  private:
    void turnToMonth(int year, int month);
    void showTotals();
    void listDay(QDate date);

    std::string learner_;
    std::vector<StoredRun> runs_;
    std::vector<StoredDrill> drills_;
    std::vector<StoredLevelTest> levelTests_;
    PracticeCalendar* calendar_;
    QLabel* totals_;
    QListWidget* dayRuns_;
};
