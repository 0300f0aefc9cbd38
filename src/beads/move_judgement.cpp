#include "beads/move_judgement.h"

MoveVerdict judgeMove(const BeadBoard& before, const BeadBoard& after, const BeadBoard& target) {
    bool moved = false;
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            const bool now = beadAtBeam(after, rod, bead);
            if (now == beadAtBeam(before, rod, bead)) continue;
            if (now != beadAtBeam(target, rod, bead)) return MoveVerdict::Wrong;
            moved = true;
        }
    }
    if (!moved) return MoveVerdict::Wrong;
    return after == target ? MoveVerdict::StepComplete : MoveVerdict::Right;
}
