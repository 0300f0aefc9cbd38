#pragma once
// 演示 as one of the practice room's pages.

#include "drill/room_drill.h"

// 演示 in the practice room: typed questions and the rhyme tables played on the board.
const RoomDrill& demonstrationDrill();
