#pragma once
// The practice room's own buttons, lists, timer and keys, handed on to the drill it is on.

#include <string>

#include "model/window_context.h"

// "开  始" starts a set of the drill; "停  止" stops it.
void drill_Command1_Click(WindowContext& window);
// The flash timer.
void drill_Timer1_Timer(WindowContext& window);
// "确定": the typed answer.
void drill_Command2_Click(WindowContext& window);
// "只加" / "加减".
void drill_Command4_Click(WindowContext& window);
// "看数" / "看珠".
void drill_Command5_Click(WindowContext& window);
// A list of the room's settings changed: the set stops and the settings are kept.
void drillSettingChanged(WindowContext& window);

// A key pressed in the room; true when the drill took it.
bool pressRoomKey(WindowContext& window, const std::string& key);
// True while the open room's drill wants every key, arrows included.
bool roomTakesEveryKey(const WindowContext& window);
