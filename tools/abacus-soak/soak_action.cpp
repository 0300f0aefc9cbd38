#include "soak_action.h"

#include <cstdio>

namespace {

// The word of the answer command for a queued message-box answer.
const char* answerWord(DialogAnswer answer) {
    switch (answer) {
        case DialogAnswer::Yes:
            return "yes";
        case DialogAnswer::No:
            return "no";
        case DialogAnswer::Ok:
            break;
    }
    return "ok";
}

// "YYYY-MM-DD HH:MM:SS", as the clock command reads it.
std::string momentText(const LocalDateTime& moment) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

}  // namespace

SoakAction SoakAction::click(std::string element) {
    SoakAction action;
    action.element = std::move(element);
    return action;
}

SoakAction SoakAction::choose(std::string list, long long index) {
    SoakAction action;
    action.kind = Kind::Choose;
    action.element = std::move(list);
    action.number = index;
    return action;
}

SoakAction SoakAction::type(std::string element, std::string text) {
    SoakAction action;
    action.kind = Kind::Type;
    action.element = std::move(element);
    action.text = std::move(text);
    return action;
}

SoakAction SoakAction::tick(std::string timer, long long count) {
    SoakAction action;
    action.kind = Kind::Tick;
    action.element = std::move(timer);
    action.number = count;
    return action;
}

SoakAction SoakAction::advance(long long seconds) {
    SoakAction action;
    action.kind = Kind::Advance;
    action.number = seconds;
    return action;
}

SoakAction SoakAction::setClock(const LocalDateTime& moment) {
    SoakAction action;
    action.kind = Kind::SetClock;
    action.moment = moment;
    return action;
}

SoakAction SoakAction::answerWith(DialogAnswer answer) {
    SoakAction action;
    action.kind = Kind::Answer;
    action.answer = answer;
    return action;
}

SoakAction SoakAction::close() {
    SoakAction action;
    action.kind = Kind::Close;
    return action;
}

SoakAction SoakAction::key(std::string name) {
    SoakAction action;
    action.kind = Kind::Key;
    action.element = std::move(name);
    return action;
}

SoakAction SoakAction::menu(std::string item) {
    SoakAction action;
    action.kind = Kind::Menu;
    action.element = "Form1_main";
    action.text = std::move(item);
    return action;
}

SoakAction SoakAction::roomKey(std::string name) {
    SoakAction action;
    action.kind = Kind::RoomKey;
    action.element = std::move(name);
    return action;
}

std::string replayLine(const SoakAction& action, long long ticksDone) {
    switch (action.kind) {
        case SoakAction::Kind::Click:
            return "click " + action.element;
        case SoakAction::Kind::Choose:
            return "choose " + action.element + " " + std::to_string(action.number);
        case SoakAction::Kind::Type:
            return "type " + action.element + " " + action.text;
        case SoakAction::Kind::Tick:
            return "tick " + action.element + " " + std::to_string(ticksDone);
        case SoakAction::Kind::Advance:
            return "advance " + std::to_string(action.number);
        case SoakAction::Kind::SetClock:
            return "clock " + momentText(action.moment);
        case SoakAction::Kind::Answer:
            return std::string("answer ") + answerWord(action.answer);
        case SoakAction::Kind::Key:
            return "key " + action.element;
        case SoakAction::Kind::Menu:
            return "menu " + action.element + " " + action.text;
        case SoakAction::Kind::RoomKey:
            return "key drill " + action.element;
        case SoakAction::Kind::Close:
            break;
    }
    return "close";
}
