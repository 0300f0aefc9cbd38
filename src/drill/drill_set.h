#pragma once
// A set of flash chains in the practice room: starting and stopping it, flashing each chain
// span by span, answering, the set's lines and storing every chain.

#include "model/window_context.h"

inline constexpr char kAdditionOnly[] = "只加";
inline constexpr char kMixed[] = "加减";
inline constexpr char kAsDigits[] = "看数";
inline constexpr char kAsBeads[] = "看珠";

// "开  始" starts a set; "停  止" stops the chain in progress.
void drill_Command1_Click(WindowContext& window);
// The flash timer: "预备", then each number and the blank after it, then "？".
void drill_Timer1_Timer(WindowContext& window);
// "确定": judges the typed answer, writes the chain's line and goes on to the next chain.
void drill_Command2_Click(WindowContext& window);
// "再看一遍": the same chain once more before answering.
void drill_Command3_Click(WindowContext& window);
// "只加" / "加减".
void drill_Command4_Click(WindowContext& window);
// "看数" / "看珠".
void drill_Command5_Click(WindowContext& window);
// A list of the room's settings changed: the chain stops and the settings are kept.
void drillSettingChanged(WindowContext& window);

// The period chosen in "秒/笔", in milliseconds.
int periodMilliseconds(const WindowContext& window);
// Ends the chain's flashing or reading: "？", and the answer box takes the focus.
void askForAnswer(WindowContext& window);
// Seconds from `earlier` to `later` on the calendar, never below 0.
int secondsBetween(const LocalDateTime& earlier, const LocalDateTime& later);

// Stops the chain in progress at once, writing and storing it as stopped; nothing when idle.
void stopChain(WindowContext& window);
