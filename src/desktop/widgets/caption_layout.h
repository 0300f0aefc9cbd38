#pragma once
// Where each line of a label's caption goes: hard line breaks, word wrap when the label
// asks for it, one character per line for a vertical column, and the label's alignment.

#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

#include "model/element.h"

struct CaptionLine {
    QString text;
    QPointF baseline;  // where the line's text starts on its baseline
};

struct CaptionStyle {
    Alignment alignment = Alignment::Left;
    bool wrap = false;
    bool oneCharacterPerLine = false;
    bool centredVertically = false;
    bool operator==(const CaptionStyle&) const = default;
};

// Lays `caption` out from the top of a box `width` pixels wide.
std::vector<CaptionLine> layoutCaption(const QString& caption, const QFont& font, qreal width,
                                       const CaptionStyle& style);

// Moves laid-out lines up or down so that their digits, from the first line's digit tops to
// the last line's baseline, are centred in a box `height` pixels high.
void centreDigitsVertically(std::vector<CaptionLine>& lines, const QFont& font, qreal height);

// Moves each line left or right so that its ink, not its advance, is centred in a box `width`
// pixels wide: a full-width "？" draws on the left of its cell.
void centreInkHorizontally(std::vector<CaptionLine>& lines, const QFont& font, qreal width);
