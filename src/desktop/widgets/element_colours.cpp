#include "desktop/widgets/element_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "appearance/colour_scheme.h"
#include "desktop/widgets/twips.h"

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
