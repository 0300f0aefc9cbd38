#include "desktop/widgets/element_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "appearance/colour_scheme.h"
#include "desktop/widgets/twips.h"

namespace {

// The text of a disabled box: grey, and 6.5 to 1 on the toolkit's greyed ground (239) in either
// colour scheme.
const QColor kDisabledBoxText(85, 85, 85);

}  // namespace

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
        // A disabled box keeps the toolkit's greyed ground, so it looks disabled, but its text
        // stays readable: an answer typed before the box closed is still read after it.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, qtColour(colours.back));
            palette.setColor(group, QPalette::Window, qtColour(colours.back));
            if (colours.fore) palette.setColor(group, QPalette::Text, qtColour(*colours.fore));
        }
        palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledBoxText);
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
