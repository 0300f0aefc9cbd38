#pragma once
// The history window's 班级 page while a teacher is logged in: the class chosen (a chooser when
// the teacher has several), its table read from the class server off the window's thread, and
// a learner's row opening that learner's history from the server. A server that cannot be
// reached shows its message on the page and changes nothing else.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <string>

#include "history/class_server/teacher_records.h"

// Shows a learner read from the server, of the class named.
using LearnerWindowRequest = std::function<void(
    const std::string& className, const std::string& learner, const LearnerRecords& records)>;

class ClassPage : public QWidget {
  public:
    // For the teacher whose line is kept at `teacherLinePath`.
    ClassPage(std::string teacherLinePath, LearnerWindowRequest openLearner, QWidget* parent);

  private:
    // Reads the table of `className` (the first class when empty).
    void load(const std::string& className);
    // Shows the table read, or the message why it could not be.
    void showTable(const ClassTable& table);
    // Reads the learner of the chosen row.
    void openChosenLearner();
    // Forgets the teacher's line and empties the page.
    void logOut();
    // Prints the table shown, with its class and days, as `abacus-class report --pdf` does.
    void printTable();

    std::string teacherLinePath_;
    std::string line_;
    LearnerWindowRequest openLearner_;
    std::string className_;
    ClassTable shown_;
    QLabel* classLabel_;
    QComboBox* classChooser_;
    QLabel* status_;
    QTableWidget* table_;
    QPushButton* printButton_;
    QPushButton* openButton_;
    QPushButton* logOutButton_;
};
