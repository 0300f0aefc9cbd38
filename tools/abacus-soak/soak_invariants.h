#pragma once
// The rules the trainer must keep after every event, whatever was done to it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/window_context.h"

class InvariantChecker {
  public:
    // Starts over with a freshly loaded window.
    explicit InvariantChecker(const WindowContext& window);

    // The first rule the window breaks, or nullopt. `mayEmptyList` says whether the event
    // was a click on "清  除" between runs, the one event that may empty the record list.
    std::optional<std::string> check(const WindowContext& window, bool mayEmptyList);

  private:
    // Lines are only added, and each new one is valid UTF-8.
    std::optional<std::string> checkRecordList(const Element& list, bool mayEmptyList);
    // No element of either window has a negative size or a caption that is not UTF-8.
    std::optional<std::string> checkElements(const WindowContext& window);

    std::vector<std::string> recordLines_;   // the record list as last seen
    std::vector<std::string> checkedTexts_;  // captions already found to be valid UTF-8
};
