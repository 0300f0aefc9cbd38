#include "desktop/services/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

ScreenRoom QtScreen::availableRoom() const {
    const QScreen* screen =
        window_ && window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QSize available = screen->availableGeometry().size();
    const QSize frame = window_ ? window_->frameGeometry().size() - window_->size() : QSize(0, 0);
    return {available.width() - frame.width(), available.height() - frame.height()};
}
