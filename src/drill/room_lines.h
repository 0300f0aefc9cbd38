#pragma once
// The lines every drill writes under the room's earlier ones, and the set's summary.

#include <string>

#include "model/window_context.h"

// Appends a line to the room's list: the first line stays on top while every line fits, else
// the new line is in view at the bottom.
void writeLine(DrillForm& room, const std::string& line);

// Ends a set's lines with "共N题 <tally> 用时M秒", N the chains or questions done.
void writeSetSummary(WindowContext& window, const std::string& tally);

// Seconds from `earlier` to `later` on the calendar, never below 0.
int secondsBetween(const LocalDateTime& earlier, const LocalDateTime& later);
