#pragma once
// The listening drill's own settings: the pace fitted to the readings before a set, and 两 or
// 二 before 百, 千 and 万 ("两百" / "二百", kept for each learner).

#include "listening/number_reading.h"
#include "model/window_context.h"

// Before a set: when the longest number of the chosen digits cannot be read inside the chosen
// pace even at the voice's quickest clear rate, the room says so in its list and takes the
// quickest offered pace at which it can.
void fitPaceToReadings(WindowContext& window);

// How the room reads a leading 2 before 百, 千 and 万, as "两百" / "二百" shows.
LeadingTwo chosenLeadingTwo(const DrillForm& room);

// "两百" / "二百": switches how a leading 2 is read and keeps the choice for the learner.
void drill_Command8_Click(WindowContext& window);

// Shows the switch on the listening drill with the learner's kept choice, hides it elsewhere.
void showLeadingTwoSwitch(WindowContext& window, bool on);
