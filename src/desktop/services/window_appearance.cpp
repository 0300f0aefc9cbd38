#include "desktop/services/window_appearance.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QWidget>
#include <cmath>

#include "desktop/form/view_appearance.h"

namespace {

const QColor kClearBackground(255, 255, 248);
const QColor kClearBase(255, 255, 255);
const QColor kClearButton(236, 236, 228);
const QColor kClearText(0, 0, 0);
const QColor kClearHighlight(0, 84, 147);
const QColor kClearHighlightedText(255, 255, 255);
// A disabled or placeholder text in the clear scheme: paler than black, still 7.4 to 1 on white
// and 6.2 to 1 on a button.
const QColor kClearPaleText(85, 85, 85);

// Gives the disabled texts and the placeholders of `palette` the clear scheme's pale text.
void paleTextsReadable(QPalette& palette) {
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, text, kClearPaleText);
    }
    palette.setColor(QPalette::PlaceholderText, kClearPaleText);
}

// The clear scheme as a palette: every text black or white on a light or dark ground.
QPalette clearPalette() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, kClearBackground);
    palette.setColor(QPalette::Base, kClearBase);
    palette.setColor(QPalette::AlternateBase, kClearBackground);
    palette.setColor(QPalette::Button, kClearButton);
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        palette.setColor(text, kClearText);
    }
    palette.setColor(QPalette::Highlight, kClearHighlight);
    palette.setColor(QPalette::HighlightedText, kClearHighlightedText);
    paleTextsReadable(palette);
    return palette;
}

}  // namespace

QFont zoomedFont(const QFont& font) {
    QFont zoomed(font);
    const double zoom = zoomFactor();
    if (font.pixelSize() > 0) {
        zoomed.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * zoom)));
    } else {
        zoomed.setPointSizeF(font.pointSizeF() * zoom);
    }
    return zoomed;
}

void dressInAppearance(QWidget& window, const QFont& font) {
    window.setFont(zoomedFont(font));
    window.setPalette(viewAppearance().clearColours ? clearPalette() : QApplication::palette());
}

void showSchemeInToolkit(bool clearColours) {
    static bool shownClear = false;
    static QPalette designPalette;
    if (clearColours == shownClear) return;
    if (clearColours) {
        designPalette = QApplication::palette();
        QPalette palette = designPalette;
        paleTextsReadable(palette);
        QApplication::setPalette(palette);
    } else {
        QApplication::setPalette(designPalette);
    }
    shownClear = clearColours;
}
