#pragma once
// The question timer and its time bar: one tick a second, the bar as wide as the window less
// a margin.

#include "model/main_form.h"

// Milliseconds between two ticks of the question timer Timer2.
inline constexpr int kQuestionTimerInterval = 1000;

// The width of the time bar when the question's time is used up.
inline int fullTimeBarWidth(const MainForm& form) { return form.Form1_main.width - 300; }
