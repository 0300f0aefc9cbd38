#include "ui/qt/element_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "ui/qt/twips.h"

ElementColours coloursOf(const Element& element) {
    return {element.backColor, element.foreColor, element.fillColor, element.useSystemColours};
}

void colourTextBox(QWidget& widget, const ElementColours& colours) {
    QPalette palette = QApplication::palette(&widget);
    if (!colours.system) {
        palette.setColor(QPalette::Base, qtColour(colours.back));
        palette.setColor(QPalette::Window, qtColour(colours.back));
        if (colours.fore) palette.setColor(QPalette::Text, qtColour(*colours.fore));
    }
    widget.setPalette(palette);
}

void colourBackground(QWidget& widget, const ElementColours& colours) {
    QPalette palette = QApplication::palette(&widget);
    palette.setColor(QPalette::Window,
                     colours.system ? palette.color(QPalette::Base) : qtColour(colours.back));
    if (colours.fore) palette.setColor(QPalette::WindowText, qtColour(*colours.fore));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
