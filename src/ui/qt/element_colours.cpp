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
        // A disabled box keeps the toolkit's own greyed colours, so it looks disabled.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, qtColour(colours.back));
            palette.setColor(group, QPalette::Window, qtColour(colours.back));
            if (colours.fore) palette.setColor(group, QPalette::Text, qtColour(*colours.fore));
        }
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
