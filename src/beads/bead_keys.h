#pragma once
// The bead drill without a mouse: Left and Right choose a rod, Up and Down move its lower beads
// one at a time to the beam and away, Page Down and Page Up its upper bead.

#include <string>

#include "model/window_context.h"

// Does what `key` does on the bead drill's board; false when the bead drill is not on or the
// key is none of its keys.
bool pressBeadKey(WindowContext& window, const std::string& key);
