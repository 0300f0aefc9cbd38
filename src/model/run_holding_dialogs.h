#pragma once
// Message boxes that hold a run while they are open: the question timer and the run clock
// stop before a box shows and go on when it closes, so reading a box costs no question.

#include <string>

#include "model/main_form.h"
#include "model/services.h"

class RunHoldingDialogs : public Dialogs {
  public:
    // Shows boxes through `boxes`, holding the timers of `form`.
    RunHoldingDialogs(Dialogs& boxes, MainForm& form) : boxes_(boxes), form_(form) {}

    void inform(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

  private:
    Dialogs& boxes_;
    MainForm& form_;
};

// `services` with its message boxes shown through `dialogs`.
Services withDialogs(const Services& services, Dialogs& dialogs);
