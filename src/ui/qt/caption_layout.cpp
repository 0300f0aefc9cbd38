#include "ui/qt/caption_layout.h"

#include <QStringList>
#include <QTextLayout>

namespace {

// The caption with a line break after every character, for a vertical column.
QString oneCharacterPerLine(const QString& caption) {
    QStringList characters;
    for (const char32_t character : caption.toUcs4()) {
        if (character != U'\n') characters << QString::fromUcs4(&character, 1);
    }
    return characters.join(QLatin1Char('\n'));
}

// Distance from the box's left edge to a line of `lineWidth` pixels.
qreal indentFor(Alignment alignment, qreal boxWidth, qreal lineWidth) {
    switch (alignment) {
        case Alignment::Right:
            return boxWidth - lineWidth;
        case Alignment::Centre:
            return (boxWidth - lineWidth) / 2;
        case Alignment::Left:
            break;
    }
    return 0;
}

}  // namespace

std::vector<CaptionLine> layoutCaption(const QString& caption, const QFont& font, qreal width,
                                       const CaptionStyle& style) {
    const QString text = style.oneCharacterPerLine ? oneCharacterPerLine(caption) : caption;
    QTextOption option;
    option.setWrapMode(style.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);

    std::vector<CaptionLine> lines;
    qreal top = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const qreal lineWidth = line.naturalTextWidth();
            lines.push_back(
                {paragraph.mid(line.textStart(), line.textLength()),
                 QPointF(indentFor(style.alignment, width, lineWidth), top + line.ascent())});
            top += line.height();
        }
        layout.endLayout();
    }
    return lines;
}
