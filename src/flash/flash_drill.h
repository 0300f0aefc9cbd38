#pragma once
// 闪电心算 as one of the practice room's drills.

#include "drill/room_drill.h"

// The flash drill: chains of numbers flashed one by one, answered when the last has gone.
const RoomDrill& flashDrill();
