#pragma once
// A help viewer that opens nothing: it records the paths asked for and says whether the
// file is there.

#include <string>
#include <vector>

#include "model/services.h"

class RecordingHelpViewer : public HelpViewer {
  public:
    HelpOpenResult open(const std::string& path) override;
    std::vector<std::string> requests;
};
