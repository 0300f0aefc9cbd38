#pragma once
// Message boxes answered from a queue of scripted answers; every text shown is recorded.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/services.h"

enum class DialogAnswer { Ok, Yes, No };

class ScriptedDialogs : public Dialogs {
  public:
    // Queues the answer of a coming box, given after the person has read it for
    // `readingSeconds`.
    void queueAnswer(DialogAnswer answer, int readingSeconds = 0) {
        answers_.push_back({answer, readingSeconds});
    }
    void inform(const std::string& text) override;
    // Yes only when the next queued answer is Yes; with nothing queued the answer is No.
    bool askYesNo(const std::string& text) override;

    std::vector<std::string> shown;
    // What goes on while a box is open and read for the given seconds (the window's timers).
    std::function<void(int)> whileOpen;

  private:
    struct QueuedAnswer {
        DialogAnswer answer;
        int readingSeconds;
    };
    DialogAnswer takeAnswer();
    std::deque<QueuedAnswer> answers_;
};
