#pragma once
// Message boxes answered from a queue of scripted answers; every text shown is recorded.

#include <deque>
#include <string>
#include <vector>

#include "model/services.h"

enum class DialogAnswer { Ok, Yes, No };

class ScriptedDialogs : public Dialogs {
  public:
    void queueAnswer(DialogAnswer answer) { answers_.push_back(answer); }
    void inform(const std::string& text) override;
    // Yes only when the next queued answer is Yes; with nothing queued the answer is No.
    bool askYesNo(const std::string& text) override;

    std::vector<std::string> shown;

  private:
    DialogAnswer takeAnswer();
    std::deque<DialogAnswer> answers_;
};
