#pragma once
// A set of chains in the practice room, flashed or read aloud: starting and stopping it,
// flashing each chain span by span, answering, the set's lines and storing every chain.

#include "model/window_context.h"

// "开  始" starts a set of chains; "停  止" stops the chain in progress.
void startOrStopChainSet(WindowContext& window);
// The flash timer: "预备", then each number and the blank after it, then "？".
void flashNextSpan(WindowContext& window);
// "确定": judges the typed answer, writes the chain's line and goes on to the next chain.
void answerChain(WindowContext& window);
// "再看一遍": the same chain once more before answering.
void drill_Command3_Click(WindowContext& window);

// The period chosen in "秒/笔", in milliseconds.
int periodMilliseconds(const WindowContext& window);
// Ends the chain's flashing or reading: "？", and the answer box takes the focus.
void askForAnswer(WindowContext& window);

// Stops the chain in progress at once, writing and storing it as stopped; nothing when idle.
void stopChainSet(WindowContext& window);
