#include "desktop/services/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "desktop/services/window_appearance.h"

namespace {

const QString kProductName = QStringLiteral("童趣星");

// Shows a modal message box over the active window and returns the button pressed.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, kProductName, QString::fromStdString(text), buttons,
                    QApplication::activeWindow());
    dressInAppearance(box, QApplication::font());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::inform(const std::string& text) {
    ask(QMessageBox::Information, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text) {
    return ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
