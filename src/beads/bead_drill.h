#pragma once
// 拨珠练习 as one of the practice room's drills, and the handler of its own list.

#include "drill/room_drill.h"

// The bead drill: questions worked bead by bead on the room's board, rhyme step by rhyme step.
const RoomDrill& beadDrill();

// "口诀" list: the question in progress stops and the group is kept for the learner.
void beadGroupChosen(WindowContext& window);
