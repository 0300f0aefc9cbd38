#pragma once
// The room a screen leaves for a window's client area once the window manager's frame is
// drawn around it.

#include <QSize>

class QWidget;

// The largest client area `window` can have on its screen; an empty size without a screen.
QSize roomForWindow(const QWidget& window);
