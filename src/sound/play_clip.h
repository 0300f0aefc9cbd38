#pragma once
// Playing the program's built-in clips.

#include <cstdint>

#include "model/window_context.h"

// True while sound cues are switched on.
bool soundCuesOn(const WindowContext& window);
// Loads clip `id` from the resources into the sound buffer and plays it to its end.
void playClip(WindowContext& window, std::int16_t id);
