#pragma once
// 演示 in the practice room: a typed question, or a line of the rhyme tables, played step by
// step on the bead drill's full-size board at the learner's pace, each rhyme in drill.Label3,
// the rods of a step framed and the beads it moved marked. A click on the rhyme pauses and goes
// on; while paused, Space or → plays one step.

#include <string>

#include "model/window_context.h"

// Shows the page's elements over the bead drill's board when `on`, with the learner's pace and
// quotient setting; hides them when not.
void showDemonstrationRoom(WindowContext& window, bool on);

// "开  始" plays the typed question, or says what is wrong with it; "停  止" stops the one playing.
void demonstrationStartOrStop(WindowContext& window);

// Plays the next step; on the tick after the last, "演示结束：" with the question and its answer.
void drill_DemoTimer_Timer(WindowContext& window);

// A click on the rhyme: pauses the demonstration under way, or lets a paused one go on.
void drill_Label3_Click(WindowContext& window);

// The pace list: keeps the chosen pace for the learner and plays at it.
void drill_DemoPace_Click(WindowContext& window);

// A line of a rhyme table plays the sum it is shown on; a heading does nothing.
void drill_AddRhymes_Click(WindowContext& window);
void drill_SubtractRhymes_Click(WindowContext& window);
void drill_TimesRhymes_Click(WindowContext& window);

// A key on the page: Enter plays the typed question; Space or → steps a paused demonstration.
// True when the page took it.
bool pressDemonstrationKey(WindowContext& window, const std::string& key);

// True while a demonstration has steps or its end still to show, playing or paused.
bool roomDemonstrationUnderWay(const WindowContext& window);

// Stops the demonstration under way at once.
void stopRoomDemonstration(WindowContext& window);
