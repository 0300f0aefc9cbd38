#pragma once
// 字体: the zoom of the whole window, stepped through the sizes that fit the screen.

#include <array>
#include <cstdint>

#include "model/window_context.h"

// The zooms the window steps through, in per cent.
inline constexpr std::array<std::int16_t, 4> kZoomSteps{100, 125, 150, 200};

// True when the main window at `percent` fits the room the screen leaves.
bool zoomFits(const WindowContext& window, int percent);

// Steps zoomPercent to the next larger zoom at which the main window fits the room the
// screen leaves, or back to 100 when none does (keypad key 5 between runs).
void stepZoom(WindowContext& window);

// Steps zoomPercent to the next larger zoom that fits the screen; at the largest it stays.
void zoomIn(WindowContext& window);
// Steps zoomPercent to the next smaller zoom; at 100 it stays.
void zoomOut(WindowContext& window);
