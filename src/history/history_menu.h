#pragma once
// The menu keys and right-click items that open the history's windows, and a learner
// picked from the learners list.

#include <string>

#include "model/window_context.h"

// Opens `which` for the learner whose name is in the name box.
void openMenuWindow(WindowContext& window, MenuWindow which);

// A right-click item `item` chosen on the record list or the name box ("学习记录…",
// "练习日历…", "选择学习者…"); false when the element has no such item.
bool chooseMenuItem(WindowContext& window, const Element& element, const std::string& item);

// True when the right-click menu of `element` holds `item`: the record list's, the name box's
// or the rhyme's of 演示; false for an element without such a menu.
bool rightClickMenuHolds(const WindowContext& window, const Element& element,
                         const std::string& item);

// Puts a learner picked from the learners list into the name box with the last run's figures
// cleared, or says why it cannot.
void learnerPicked(WindowContext& window, const std::string& name);
