#pragma once
// The history of one learner: a table of runs newest first with a plot of the scores over
// the days, and a second page with the wrong-question book, which can be copied, printed and
// redone ("重做错题") in the main window; the book is read when its page is first chosen; a
// third page lists the level tests, a fourth the practice room's drills with a plot of the
// longest chain answered right each day at each speed. A learner read from the class server is
// shown the same way, read only: without a way to redo the book.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "model/history_records.h"

// Reads the learner's wrong questions when the book is first shown.
using WrongQuestionsSource = std::function<std::vector<WrongQuestion>()>;
// Starts a run of the book's questions in the main window; empty for a book that is only read.
using RedoRequest = std::function<void()>;

class QTabWidget;

class HistoryWindow : public QDialog {
  public:
    HistoryWindow(const std::string& learner, const std::vector<StoredRun>& runs,
                  WrongQuestionsSource wrongQuestions, RedoRequest redo,
                  const std::vector<StoredLevelTest>& levelTests,
                  const std::vector<StoredDrill>& drills, const QFont& font, QWidget* parent);

    // Adds a page after the learner's own.
    void addPage(QWidget* page, const QString& title);

  private:
    QTabWidget* pages_;
};
