#pragma once
// What a child sees after an answer and when the time is up, with or without sound: a large
// "√" or "×" beside the question for about a second, and an overtime shown on the question
// line and the time bar.

#include "model/window_context.h"

// Shows the verdict of the answer just judged beside the question; a wrong practice entry
// that is tried again also says "再想想". The question line leaves its overtime colour.
void showVerdict(WindowContext& window, bool right, bool tryAgain);
// Hides the verdict once its second is over.
void verdictTimer_Timer(WindowContext& window);
// Shows the overtime: the question line's given terms and signs in the overtime colour, the
// time bar blinking with the warning (`blinkOn` the warning's red half).
void showOvertime(WindowContext& window, bool blinkOn);
// Puts the question line and the time bar back to their own colours.
void endOvertimeShow(WindowContext& window);
