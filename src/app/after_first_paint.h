#pragma once
// Runs work once, right after a window has been painted for the first time: what the first
// window does not need waits until the person already sees it.

#include <QObject>
#include <functional>

class QWidget;

class AfterFirstPaint : public QObject {
  public:
    // Runs `work` from the event loop once `window` has finished its first paint.
    AfterFirstPaint(QWidget& window, std::function<void()> work);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::function<void()> work_;
};
