#pragma once
// 演示: a question played bead by bead on the first board row, one rhyme for every move (a
// multiplication or division says each times-table line alone first), at the pace the learner
// chose ("慢" 2 s, "中" 1 s, "快" 0.5 s a step), the rod that moves framed
// for its step. Clicking the rhyme pauses and goes on; while paused, Space or → steps once.

#include <cstdint>
#include <string>

#include "model/window_context.h"

// Starts demonstrating the question the last run ended on, or a new one of the chosen mode
// for the chosen digits (keypad key 7 between runs). False when no digit count is chosen: the
// press then ends with a prompt and without the key click.
bool startDemonstration(WindowContext& window);

// Starts demonstrating `first` `sign` `second` ("×" or any operator the board works); false,
// with nothing changed, when the board cannot play it.
bool demonstrateQuestion(WindowContext& window, const std::string& sign, std::int32_t first,
                         std::int32_t second);

// Moves the beads of the next step and shows its rhyme; on the tick after the last step, the
// result.
void Timer4_Timer(WindowContext& window);

// Pauses a playing demonstration, or lets a paused one go on (a click on the rhyme).
void Label40_Click(WindowContext& window);

// True while a demonstration is paused part of the way.
bool demonstrationPaused(const WindowContext& window);

// Plays the next step of a paused demonstration when `key` is Space or →; false for any other
// key or when no demonstration is paused.
bool stepPausedDemonstration(WindowContext& window, const std::string& key);

// Takes the pace "慢", "中" or "快" chosen in the rhyme's right-click menu and keeps it for
// the learner in the name box; false for any other item.
bool chooseDemonstrationPace(WindowContext& window, const std::string& item);

// Ends a running demonstration at once and hides its rhyme.
void stopDemonstration(WindowContext& window);

// True when a click, a choice or typing on the element called `name` ends a demonstration:
// the keypad, "出  题", "清  除", the settings and the rods.
bool endsDemonstration(const std::string& name);
