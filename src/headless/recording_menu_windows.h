#pragma once
// Menu windows without a desktop: each request is recorded with the learner it was for.

#include <cstddef>
#include <string>
#include <vector>

#include "model/services.h"

// One window asked for, with how many record-list lines came with it.
struct OpenedMenuWindow {
    MenuWindow which;
    std::string learner;
    std::size_t lines;
};

class RecordingMenuWindows : public MenuWindows {
  public:
    void open(MenuWindow which, const std::string& learner,
              const std::vector<std::string>& lines) override {
        opened.push_back({which, learner, lines.size()});
    }
    void followLearner(const std::string& learner) override { followed.push_back(learner); }

    std::vector<OpenedMenuWindow> opened;
    std::vector<std::string> followed;  // the learners the open windows were asked to follow
};
