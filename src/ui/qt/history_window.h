#pragma once
// The history of one learner: a table of runs newest first with a plot of the scores over
// the days, and a second page with the wrong-question book, which can be copied and printed.

#include <QDialog>
#include <string>
#include <vector>

#include "history/history_records.h"

class HistoryWindow : public QDialog {
  public:
    HistoryWindow(const std::string& learner, const std::vector<StoredRun>& runs,
                  const std::vector<WrongQuestion>& wrong, const QFont& font, QWidget* parent);
};
