#pragma once
// A screen of a size the caller sets; a full-HD desktop unless told otherwise.

#include "model/services.h"

class FixedScreen : public Screen {
  public:
    ScreenRoom availableRoom() const override { return room; }

    ScreenRoom room{1920, 1080};
};
