#include "desktop/form/screen_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// What a window manager's frame takes around a window: its borders and the title bar.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

}  // namespace

QSize roomForWindow(const QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QRect room = screen->availableGeometry();
    return {room.width() - kFrameWidth, room.height() - kFrameHeight};
}
