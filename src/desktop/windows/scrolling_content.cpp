#include "desktop/windows/scrolling_content.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include "desktop/form/screen_room.h"

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
    const QSize room = roomForWindow(window);
    if (room.isEmpty()) return;
    window.resize(window.size().boundedTo(room));
}
