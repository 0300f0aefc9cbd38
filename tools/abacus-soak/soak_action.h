#pragma once
// One thing the soak does to the trainer, and the replay command that does the same.

#include <string>

#include "ui/headless/scripted_dialogs.h"

struct SoakAction {
    enum class Kind { Click, Choose, Type, Tick, Advance, Answer, Close };

    Kind kind = Kind::Click;
    std::string element;   // the element clicked, chosen in, typed into or ticked
    long long number = 0;  // item index, tick count or seconds to advance
    std::string text;      // the text typed
    DialogAnswer answer = DialogAnswer::Ok;
};

// The abacus-replay line for `action`; a tick line with `ticksDone` ticks.
std::string replayLine(const SoakAction& action, long long ticksDone);
