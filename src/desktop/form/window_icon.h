#pragma once
// The trainer's window icon: a tiny abacus, painted in code.

#include <QIcon>
#include <QPixmap>

// The abacus drawn into a square of `size` pixels, each size painted for its own pixels.
QPixmap paintAbacusIcon(int size);
// The window icon with its 32x32 and 16x16 images, and the same at twice and one and a half
// times the size for screens of higher pixel density.
QIcon trainerIcon();
