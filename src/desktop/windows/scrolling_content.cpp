#include "desktop/windows/scrolling_content.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// What a window manager's frame takes around a window: its borders and the title bar.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

}  // namespace

QVBoxLayout* scrollingContent(QWidget& window) {
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* area = new QScrollArea(&window);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* content = new QWidget(area);
    area->setWidget(content);
    outer->addWidget(area);
    return new QVBoxLayout(content);
}

void fitOnScreen(QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const QSize most(room.width() - kFrameWidth, room.height() - kFrameHeight);
    window.resize(window.size().boundedTo(most));
}
