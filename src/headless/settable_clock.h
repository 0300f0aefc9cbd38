#pragma once
// A clock that shows a set date and time and moves only when told to.

#include "model/services.h"

class SettableClock : public Clock {
  public:
    SettableClock();
    LocalDateTime now() const override { return now_; }
    void set(const LocalDateTime& moment) { now_ = moment; }
    // Moves the clock on by `seconds` (back when below 0), across midnight and month ends.
    // Returns false, and leaves the clock as it was, when the year would leave 1 to 9999.
    bool advance(long long seconds);

  private:
    LocalDateTime now_;
};
