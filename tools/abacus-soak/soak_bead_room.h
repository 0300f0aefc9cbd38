#pragma once
// The soak in the bead drill: opening the room on it, working its board, mostly with moves
// toward the rhyme step being worked, and the board's rule.

#include <optional>
#include <string>
#include <vector>

#include "model/window_context.h"
#include "soak_action.h"
#include "soak_random.h"

// True while the practice room is open on the bead drill.
bool beadRoomOpen(const WindowContext& window);

// Opens the room on the bead drill through the menu bar.
SoakAction openBeadRoom();

// One thing done in the open bead room: a bead clicked (most often one the step being worked
// moves), a key pressed, the set started or stopped, a list of the room chosen.
SoakAction beadRoomAction(const WindowContext& window, SoakRandom& random);

// The board's rule: the bead elements agree with drill.Board's caption, and during a set the
// board shows the first term, a step's board or a state between two neighbouring ones, never a
// bead off the way from the first term to the answer.
std::optional<std::string> checkBeadBoard(const WindowContext& window);
