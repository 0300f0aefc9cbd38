#pragma once
// 听心算 in the practice room: each chain is read aloud term by term while the room shows "请听";
// everything else goes as in flash arithmetic.

#include "model/window_context.h"

// The reading timer after "预备": reads the chain's next text, each term in a slot of its own
// (the longer of the chosen period and the reading with a short pause after it) and "等于" in
// its own time; once all is read, "？" asks for the answer.
void readNextText(WindowContext& window);

// True when the chains can be heard; otherwise the room says that no audio device was found.
bool listeningCanBeHeard(WindowContext& window);
