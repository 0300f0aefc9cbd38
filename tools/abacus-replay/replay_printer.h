#pragma once
// The text forms of the replay's print command.

#include <string>
#include <vector>

#include "model/window_context.h"

// "NAME visible=1 enabled=1 left=.. top=.. width=.. height=.. [...] caption=..."
std::string describeElement(const std::string& name, const Element& element);
// "List1 N" and the N lines of the record list as stored.
std::vector<std::string> describeList(const std::string& name, const Element& list);
// "state N" and one name=value line per field of the training state.
std::vector<std::string> describeState(const TrainingState& state);
// A text on one line that reads back unambiguously: a backslash written as \\, a line
// feed as \n, a carriage return as \r, a tab as \t and any other control character as \xHH.
std::string oneLine(const std::string& text);
