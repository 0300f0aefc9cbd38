#pragma once
// One thing the soak does to the trainer, and the replay command that does the same.

#include <string>
#include <utility>

#include "headless/scripted_dialogs.h"

struct SoakAction {
    enum class Kind {
        Click,
        Choose,
        Type,
        Tick,
        Advance,
        SetClock,
        Answer,
        Close,
        Key,
        Menu,
        RoomKey
    };

    static SoakAction click(std::string element);
    static SoakAction choose(std::string list, long long index);
    static SoakAction type(std::string element, std::string text);
    static SoakAction tick(std::string timer, long long count);
    static SoakAction advance(long long seconds);
    static SoakAction setClock(const LocalDateTime& moment);
    static SoakAction answerWith(DialogAnswer answer);
    static SoakAction close();
    // A physical key pressed in the main window, by its name ("KP_5", "space").
    static SoakAction key(std::string name);
    // An item of the main window's menu bar, by its text.
    static SoakAction menu(std::string item);
    // A physical key pressed in the practice room.
    static SoakAction roomKey(std::string name);

    Kind kind = Kind::Click;
    std::string element;   // the element clicked, chosen in, typed into or ticked; the key
    long long number = 0;  // item index, tick count or seconds to advance
    std::string text;      // the text typed, or the menu item chosen
    DialogAnswer answer = DialogAnswer::Ok;
    LocalDateTime moment;  // the date and time the clock is set to
};

// The abacus-replay line for `action`; a tick line with `ticksDone` ticks.
std::string replayLine(const SoakAction& action, long long ticksDone);
