#include "headless/scripted_dialogs.h"

DialogAnswer ScriptedDialogs::takeAnswer() {
    if (answers_.empty()) return DialogAnswer::Ok;
    const DialogAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::inform(const std::string& text) {
    shown.push_back(text);
    takeAnswer();
}

bool ScriptedDialogs::askYesNo(const std::string& text) {
    shown.push_back(text);
    return takeAnswer() == DialogAnswer::Yes;
}
