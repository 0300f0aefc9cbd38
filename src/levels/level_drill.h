#pragma once
// 等级考试 as one of the practice room's drills.

#include "drill/room_drill.h"

// The level test: the items of a level asked question by question against their time.
const RoomDrill& levelTestDrill();
