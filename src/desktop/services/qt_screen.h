#pragma once
// The real screen: the room its available area leaves for the main window's client area once
// the window's frame is counted.

#include <QPointer>
#include <QWidget>

#include "model/services.h"

class QtScreen : public Screen {
  public:
    // Measures the screen `window` is on and its frame; the primary screen until it is given.
    void follow(QWidget& window) { window_ = &window; }

    ScreenRoom availableRoom() const override;

  private:
    QPointer<QWidget> window_;
};
