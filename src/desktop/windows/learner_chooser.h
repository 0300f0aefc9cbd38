#pragma once
// The learners in the history with the day each practised last; choosing one hands the name
// on, to be put into the name box.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "model/history_records.h"

class QTreeWidget;

class LearnerChooser : public QDialog {
  public:
    LearnerChooser(const std::vector<LearnerSummary>& learners,
                   std::function<void(const std::string&)> chosen, const QFont& font,
                   QWidget* parent);

  private:
    void chooseCurrent();

    std::vector<LearnerSummary> learners_;
    std::function<void(const std::string&)> chosen_;
    QTreeWidget* list_ = nullptr;
};
