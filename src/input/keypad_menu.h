#pragma once
// The keypad between runs: the ten keys are the program's menu.

#include <cstdint>
#include <string>

#include "model/window_context.h"

// Handles a press of key pressedKey in the idle state, key click included: "考试"/"练习"
// switches the mode and resets the window, "查看"/"返回" shows or hides the record list,
// "出卷" writes a test paper once all four settings are chosen and keeps it in the history,
// "颜色" switches the colour scheme, "字体" steps the zoom, "演示" demonstrates a sum on the
// board, and "日历", "打开", "保存" and "记录" open their window after the click; every key
// first empties the question line. A missing setting or a refused paper ends the press
// without the click.
void keypadMenuPress(WindowContext& window);

// "演示" chosen in the menu bar between runs: does what key 7 does (the welcome line put away
// too), without the key's click, whether or not the keypad lets key 7 be pressed; a
// demonstration on the board starts afresh.
void demonstrateFromMenu(WindowContext& window);

// "演示" of a given question, as the menu bar's "演示" plays it: the record list and the
// welcome line put away and the main window brought to the front. False while a run is under way
// (nothing changed) or when the board cannot play the question.
bool demonstrateGivenQuestion(WindowContext& window, const std::string& sign, std::int32_t first,
                              std::int32_t second);
