#include "desktop/form/focus_follower.h"

#include <QWidget>

namespace {

// Focuses the widget that shows `focus`, named with `prefix`, when the focus has moved since
// `movesSeen`.
void follow(const Element* focus, std::uint64_t moves, const std::string& prefix, QWidget& window,
            std::uint64_t& movesSeen) {
    if (moves == movesSeen) return;
    movesSeen = moves;
    if (focus == nullptr) return;
    QWidget* widget = window.findChild<QWidget*>(QString::fromStdString(prefix + focus->name));
    if (widget != nullptr) widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void followFocus(const MainForm& form, QWidget& window, std::uint64_t& movesSeen) {
    follow(form.focus, form.focusMoves, "", window, movesSeen);
}

void followFocus(const DrillForm& room, QWidget& window, std::uint64_t& movesSeen) {
    follow(room.focus, room.focusMoves, "drill.", window, movesSeen);
}
