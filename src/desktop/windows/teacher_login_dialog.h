#pragma once
// "教师登录…": the teacher pastes the line `abacus-class add-teacher` printed; it is checked
// against the class server off the window's thread, and kept in the user's own data folder only
// when the server knows it as a teacher's.

#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

class TeacherLoginDialog : public QDialog {
  public:
    // Keeps the line at `teacherLinePath` once the server has answered.
    TeacherLoginDialog(std::string teacherLinePath, const QFont& font, QWidget* parent);

  private:
    // Checks the line against the server on a thread of its own.
    void logIn();
    // Keeps the line when the server took it, and shows the answer.
    void answered(const std::string& line, bool loggedIn, const QString& message);

    std::string teacherLinePath_;
    QLineEdit* line_;
    QLabel* status_;
    QPushButton* logInButton_;
};
