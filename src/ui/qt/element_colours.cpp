#include "ui/qt/element_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "appearance/colour_scheme.h"
#include "ui/qt/twips.h"

ElementColours coloursOf(const Element& element) {
    ElementColours colours{element.backColor, element.foreColor, element.fillColor,
                           element.useSystemColours};
    if (!viewAppearance().clearColours || colours.system) return colours;
    colours.back = clearBackground(colours.back);
    if (colours.fore) colours.fore = clearText(*colours.fore, colours.back);
    return colours;
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
