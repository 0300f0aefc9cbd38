#pragma once
// The trainer's window icon: a tiny abacus, painted in code.

#include <QIcon>
#include <QPixmap>

// The abacus drawn into a square of `size` pixels (32 and 16 are the sizes in use).
QPixmap paintAbacusIcon(int size);
// The window icon with its 32x32 and 16x16 images.
QIcon trainerIcon();
