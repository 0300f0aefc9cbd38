#pragma once
// The trainer's zoom and colour scheme on the toolkit's own windows: message boxes, the
// history, calendar and learner windows and the save dialog.

class QFont;
class QWidget;

// `font` at the zoom chosen with "字体".
QFont zoomedFont(const QFont& font);

// Gives `window` the chosen zoom of `font` and, in the clear scheme, light backgrounds with
// dark texts; in the design's scheme the toolkit's own colours.
void dressInAppearance(QWidget& window, const QFont& font);

// In the clear scheme, the toolkit's disabled texts and placeholders everywhere (greyed keys,
// a locked name box, menu items) turn a pale grey that still reads 4.5 to 1 or better; back
// in the design's scheme they are the toolkit's own again.
void showSchemeInToolkit(bool clearColours);
