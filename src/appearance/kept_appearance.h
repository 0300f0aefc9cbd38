#pragma once
// The colour scheme and the zoom are the choices of the person at the desktop: kept in the
// learner history when they change and brought back once the history has been opened.

#include "model/window_context.h"

// Keeps colourScheme and zoomPercent in the history; without a usable history nothing is kept
// and the choices last until the window closes.
void keepAppearance(WindowContext& window);

// Brings back the kept colour scheme and zoom. A zoom that no longer fits the screen becomes
// the largest step that does; without kept choices the window stays as it is.
void restoreAppearance(WindowContext& window);
