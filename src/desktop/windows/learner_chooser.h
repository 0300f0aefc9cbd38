#pragma once
// The learners in the history with the day of each one's newest record, and a box to type a
// new name; choosing hands the name on, to be put into the name box.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "model/history_records.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

class LearnerChooser : public QDialog {
  public:
    LearnerChooser(const std::vector<LearnerSummary>& learners,
                   std::function<void(const std::string&)> chosen, const QFont& font,
                   QWidget* parent);

  private:
    void chooseCurrent();
    void enableChoice();

    std::vector<LearnerSummary> learners_;
    std::function<void(const std::string&)> chosen_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* newName_ = nullptr;
    QPushButton* choose_ = nullptr;
};
