#pragma once
// The desktop's local date and time.

#include "model/services.h"

class SystemClock : public Clock {
  public:
    LocalDateTime now() const override;
};
