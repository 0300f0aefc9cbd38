#pragma once
// "加入班级…": the family pastes the line the teacher gave; it is checked against the class
// server off the window's thread, and kept only when the server knows the class.

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

class ClassJoinDialog : public QDialog {
  public:
    // Joins the history file at `historyPath` (empty while no record can be kept).
    ClassJoinDialog(std::string historyPath, const QFont& font, QWidget* parent);

  private:
    // Checks the line against the server on a thread of its own.
    void join();
    // Shows the server's answer; closes the dialog once joined.
    void answered(bool joined, const QString& message);

    std::string historyPath_;
    QLineEdit* line_;
    QLabel* status_;
    QPushButton* joinButton_;
};
