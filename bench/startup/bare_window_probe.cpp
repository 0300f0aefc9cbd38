// A bare Qt window of the trainer's size holding one plain label per element of the main
// window's design, each with the element's design caption, font and rectangle; quits after
// its first painted frame. The yardstick for the trainer's start-up: the same toolkit,
// faces, sizes and widget count, without the window model, dispatch or view.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint_probe.h"
#include "ui/main_form.h"
#include "ui/qt/qt_font.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installFontSubstitutions();
    const MainForm design;
    QWidget window;
    window.setFixedSize(579, 487);
    for (const Element* element : design.elements()) {
        if (element == &design.Form1_main) continue;
        auto* label = new QLabel(QString::fromStdString(element->caption()), &window);
        label->setFont(qtFont(element->font));
        label->setGeometry(element->left / 15, element->top / 15, element->width / 15,
                           element->height / 15);
    }
    FirstPaintProbe probe(window);
    window.show();
    return QApplication::exec();
}
