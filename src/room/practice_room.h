#pragma once
// Opening and closing the practice room, and the settings it keeps for each learner.

#include "model/window_context.h"

// Opens the room on `kind` for the learner in the name box, with that learner's kept settings,
// or brings the open room to the front on that drill.
void openPracticeRoom(WindowContext& window, DrillKind kind);

// When the open room is another learner's than the name box's: what is in progress stops as
// "停  止" stops it, kept for the learner who did it, and the room shows the name box's
// learner's settings, book and path as if opened for them; nothing while it is closed.
void followNameBoxLearner(WindowContext& window);

// Closes the room; a chain in progress stops at once.
void closePracticeRoom(WindowContext& window);

// Keeps the room's settings for its learner in the history.
void keepRoomSettings(WindowContext& window);
