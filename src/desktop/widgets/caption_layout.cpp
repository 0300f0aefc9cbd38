#include "desktop/widgets/caption_layout.h"

#include <QFontMetricsF>
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
        case Alignment::ColumnRight:
            break;
    }
    return 0;
}

// The width a line takes for its alignment: blanks at its end that would push it past the
// box are not counted, as a label that breaks lines drops them at the break.
qreal alignedWidth(const QString& lineText, const QFont& font, qreal naturalWidth, qreal boxWidth) {
    if (naturalWidth <= boxWidth) return naturalWidth;
    qsizetype end = lineText.size();
    while (end > 0 && lineText.at(end - 1).isSpace()) --end;
    if (end == lineText.size()) return naturalWidth;
    return QFontMetricsF(font).horizontalAdvance(lineText.left(end));
}

// Right-aligns the lines to the widest of them and centres the block they make in the box.
void alignAsColumn(std::vector<CaptionLine>& lines, const QFont& font, qreal boxWidth) {
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const CaptionLine& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.text));
    for (CaptionLine& line : lines) {
        line.baseline.setX((boxWidth - widest) / 2 + widest - metrics.horizontalAdvance(line.text));
    }
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
            const QString lineText = paragraph.mid(line.textStart(), line.textLength());
            const qreal lineWidth = alignedWidth(lineText, font, line.naturalTextWidth(), width);
            lines.push_back({lineText, QPointF(indentFor(style.alignment, width, lineWidth),
                                               top + line.ascent())});
            top += line.height();
        }
        layout.endLayout();
    }
    if (style.alignment == Alignment::ColumnRight) alignAsColumn(lines, font, width);
    return lines;
}

void centreInkHorizontally(std::vector<CaptionLine>& lines, const QFont& font, qreal width) {
    const QFontMetricsF metrics(font);
    for (CaptionLine& line : lines) {
        const QRectF ink = metrics.tightBoundingRect(line.text);
        if (ink.isEmpty()) continue;
        line.baseline.setX((width - ink.width()) / 2 - ink.left());
    }
}

void centreDigitsVertically(std::vector<CaptionLine>& lines, const QFont& font, qreal height) {
    if (lines.empty()) return;
    const qreal digitHeight = QFontMetricsF(font).tightBoundingRect(QStringLiteral("0")).height();
    const qreal inkTop = lines.front().baseline.y() - digitHeight;
    const qreal inkBottom = lines.back().baseline.y();
    const qreal shift = height / 2 - (inkTop + inkBottom) / 2;
    for (CaptionLine& line : lines) line.baseline.ry() += shift;
}
