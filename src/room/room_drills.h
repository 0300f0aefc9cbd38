#pragma once
// The drills the practice room offers, and the one it is on.

#include <vector>

#include "drill/room_drill.h"

// Every drill of the room, in the order of the menu bar.
const std::vector<const RoomDrill*>& roomDrills();

// The drill the room is on.
const RoomDrill& chosenDrill(const WindowContext& window);

// Stops the set in progress of the drill the room is on, at once; nothing when idle.
void stopDrill(WindowContext& window);
