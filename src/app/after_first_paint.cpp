#include "after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : window_(window), work_(std::move(work)) {
    window.installEventFilter(this);
}

// On the window's first paint: stops watching and queues the work behind that paint.
bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint) {
        window_.removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { work_(); });
    }
    return false;
}
