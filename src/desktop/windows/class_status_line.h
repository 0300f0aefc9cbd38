#pragma once
// The history window's line about the class server: the class joined and the records still
// waiting to be sent ("已加入：三年级二班；待上传 0 条"), with "退出班级" to leave it.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

class ClassStatusLine : public QWidget {
  public:
    ClassStatusLine(std::string historyPath, QWidget* parent);

  private:
    // Reads the class and the outbox again; hidden while no class is joined.
    void refresh();
    // Asks whether the waiting records are still sent, dropped, or the class kept.
    void leave();

    std::string historyPath_;
    QLabel* text_;
    QPushButton* leaveButton_;
};

// Puts the class line at the top of `historyWindow` for the history file `historyPath`.
void addClassStatus(QWidget& historyWindow, const std::string& historyPath);
