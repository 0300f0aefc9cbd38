#include "desktop/form/focus_follower.h"

#include <QWidget>

void followFocus(const MainForm& form, QWidget& window, std::uint64_t& movesSeen) {
    if (form.focusMoves == movesSeen) return;
    movesSeen = form.focusMoves;
    if (form.focus == nullptr) return;
    QWidget* widget = window.findChild<QWidget*>(QString::fromStdString(form.focus->name));
    if (widget != nullptr) widget->setFocus(Qt::OtherFocusReason);
}
