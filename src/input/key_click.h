#pragma once
// The click heard at the end of a key press.

#include "model/window_context.h"

// The click that ends a key press, heard while sound cues are on.
void playKeyClick(WindowContext& window);
