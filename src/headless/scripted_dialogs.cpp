#include "headless/scripted_dialogs.h"

DialogAnswer ScriptedDialogs::takeAnswer() {
    if (answers_.empty()) return DialogAnswer::Ok;
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    if (queued.readingSeconds > 0 && whileOpen) whileOpen(queued.readingSeconds);
    return queued.answer;
}

void ScriptedDialogs::inform(const std::string& text) {
    shown.push_back(text);
    takeAnswer();
}

bool ScriptedDialogs::askYesNo(const std::string& text) {
    shown.push_back(text);
    return takeAnswer() == DialogAnswer::Yes;
}
