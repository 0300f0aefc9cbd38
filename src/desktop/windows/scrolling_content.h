#pragma once
// The content of a history window inside a scroll area, so the window can be made as small as
// the screen's room and scrolls what no longer fits; and a window shrunk to that room.

class QVBoxLayout;
class QWidget;

// Gives `window` a frameless scroll area filling it and returns the layout of the content.
QVBoxLayout* scrollingContent(QWidget& window);

// Shrinks `window` to the room its screen leaves for a window with its frame, when larger.
void fitOnScreen(QWidget& window);
