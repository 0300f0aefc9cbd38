#include "desktop/services/qt_text_metrics.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "desktop/widgets/qt_font.h"
#include "desktop/widgets/twips.h"

TextExtent QtTextMetrics::measure(const FontSpec& font, const std::string& text) const {
    const QFontMetricsF metrics(qtFont(font));
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    qreal widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const auto pixels = [](qreal length) { return static_cast<int>(std::ceil(length)); };
    return {pixels(widest) * kTwipsPerPixel,
            pixels(metrics.height()) * static_cast<int>(lines.size()) * kTwipsPerPixel};
}
