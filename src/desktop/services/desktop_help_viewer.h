#pragma once
// Opens the help file with whatever viewer the desktop has for its kind of file.

#include "model/services.h"

class DesktopHelpViewer : public HelpViewer {
  public:
    HelpOpenResult open(const std::string& path) override;
};
