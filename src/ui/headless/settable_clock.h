#pragma once
// A clock that shows a set date and time and moves only when told to.

#include "ui/services.h"

class SettableClock : public Clock {
  public:
    SettableClock();
    LocalDateTime now() const override { return now_; }
    void set(const LocalDateTime& moment) { now_ = moment; }
    // Moves the clock on by `seconds`, across midnight and month ends.
    void advance(long long seconds);

  private:
    LocalDateTime now_;
};
