#include "desktop/widgets/qt_font.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kScreenDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;
}  // namespace

QFont qtFont(const FontSpec& designFont, double zoom) {
    QFont font(QString::fromStdString(designFont.family));
    font.setPixelSize(std::max(
        1, static_cast<int>(
               std::lround(designFont.pointSize * zoom * kScreenDotsPerInch / kPointsPerInch))));
    font.setBold(designFont.bold);
    font.setItalic(designFont.italic);
    return font;
}

void installFontSubstitutions() {
    const QString fallback = QStringLiteral("WenQuanYi Micro Hei");
    const QString kaiti = QStringLiteral("AR PL KaitiM GB");
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL SungtiL GB"), fallback});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), {kaiti, fallback});
    QFont::insertSubstitutions(QStringLiteral("隶书"), {kaiti, fallback});
    QFont::insertSubstitutions(QStringLiteral("华文彩云"),
                               {QStringLiteral("Smiley Sans"), fallback});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {fallback});
}
