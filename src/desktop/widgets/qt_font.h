#pragma once
// The model's fonts as Qt fonts, sized in pixels so the desktop's DPI cannot move the layout.

#include <QFont>

#include "model/element.h"

// The Qt font for a design font: same family name, pixel size = points x 96 / 72, times
// `zoom` when the window is zoomed.
QFont qtFont(const FontSpec& designFont, double zoom = 1.0);
// Maps the design's font names onto the installed CJK faces; call once after QApplication.
void installFontSubstitutions();
