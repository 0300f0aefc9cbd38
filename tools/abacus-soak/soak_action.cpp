#include "soak_action.h"

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

}  // namespace

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
        case SoakAction::Kind::Answer:
            return std::string("answer ") + answerWord(action.answer);
        case SoakAction::Kind::Close:
            break;
    }
    return "close";
}
