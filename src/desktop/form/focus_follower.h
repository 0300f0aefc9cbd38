#pragma once
// Gives the keyboard focus to the widget of the element a handler moved the focus to.

#include <cstdint>

#include "model/drill_form.h"
#include "model/main_form.h"

class QWidget;

// Focuses the widget in `window` that shows `form.focus` when the handlers have moved the
// focus since `movesSeen`, and brings `movesSeen` up to date.
void followFocus(const MainForm& form, QWidget& window, std::uint64_t& movesSeen);
// The same for the practice room, whose widgets are named with the "drill." prefix.
void followFocus(const DrillForm& room, QWidget& window, std::uint64_t& movesSeen);
