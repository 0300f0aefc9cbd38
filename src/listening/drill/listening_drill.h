#pragma once
// 听心算 as one of the practice room's drills.

#include "drill/room_drill.h"

// The listening drill: chains read aloud term by term, answered once "等于" has been said.
const RoomDrill& listeningDrill();
