#pragma once
// The level test in the practice room: the room's elements for it, the path of the ten levels,
// each item asked question by question against its time, the result kept in the history, and
// a level paper printed for a class.

#include "model/window_context.h"

// Shows the level test's elements and hides those of the flash drills when `on`, the other way
// round when not; on the level test the path and the kept minutes are the learner's.
void showLevelTestRoom(WindowContext& window, bool on);

// "开  始" starts the first item of the chosen level; "停  止" abandons the test.
void levelStartButton(WindowContext& window);
// "确定": takes the typed answer, without a verdict, and asks the next question.
void levelAnswerButton(WindowContext& window);
// The item's clock: one second less; at 0:00 the item ends, unanswered questions wrong.
void drill_Timer2_Timer(WindowContext& window);
// The level or the minutes per item changed: the minutes are kept for the learner.
void levelSettingChanged(WindowContext& window);
// "打印试卷…": a paper of the chosen level with its answer sheet, to print or write as a PDF.
void drill_Command6_Click(WindowContext& window);

// Abandons the test in progress, writing "中止" and keeping nothing, or the redo of wrong
// questions in progress; nothing when idle.
void stopLevelTest(WindowContext& window);

// Enters a test or a redo: "停  止", the settings closed and the answer box open.
void beginLevelAnswering(DrillForm& room);

// Leaves a test or a redo: the timer stops, the answer box closes and the settings open again.
void endLevelAnswering(WindowContext& window);
