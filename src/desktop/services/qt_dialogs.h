#pragma once
// Message boxes of the desktop, titled with the product name.

#include "model/services.h"

class QtDialogs : public Dialogs {
  public:
    void inform(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
};
