#include "model/run_holding_dialogs.h"

namespace {

// Stops the run's timers for as long as it lives, then gives them back their enabled state.
class HeldTimers {
  public:
    explicit HeldTimers(MainForm& form)
        : runClock_(form.Timer1),
          questionTimer_(form.Timer2),
          runClockWasOn_(runClock_.enabled),
          questionTimerWasOn_(questionTimer_.enabled) {
        runClock_.enabled = false;
        questionTimer_.enabled = false;
    }
    ~HeldTimers() {
        runClock_.enabled = runClockWasOn_;
        questionTimer_.enabled = questionTimerWasOn_;
    }
    HeldTimers(const HeldTimers&) = delete;
    HeldTimers& operator=(const HeldTimers&) = delete;

  private:
    Element& runClock_;
    Element& questionTimer_;
    bool runClockWasOn_;
    bool questionTimerWasOn_;
};

}  // namespace

void RunHoldingDialogs::inform(const std::string& text) {
    const HeldTimers held(form_);
    boxes_.inform(text);
}

bool RunHoldingDialogs::askYesNo(const std::string& text) {
    const HeldTimers held(form_);
    return boxes_.askYesNo(text);
}

Services withDialogs(const Services& services, Dialogs& dialogs) {
    return Services{services.random,        services.clock,   services.sound,      dialogs,
                    services.helpViewer,    services.metrics, services.resources,  services.screen,
                    services.programFolder, services.history, services.menuWindows};
}
