#include "beads/bead_feedback.h"

#include <cstddef>

namespace {

// The bead element of rod `rod`: kUpperBead or lower bead 1..4.
Element& beadElement(DrillForm& room, int rod, int bead) {
    const auto place = static_cast<std::size_t>(rod);
    return bead == kUpperBead ? room.Upper[place]
                              : room.Lower[static_cast<std::size_t>(bead - 1)][place];
}

// True when bead `bead` of rod `rod` stands elsewhere on the two boards.
bool standsApart(const BeadBoard& shown, const BeadBoard& target, int rod, int bead) {
    return beadAtBeam(shown, rod, bead) != beadAtBeam(target, rod, bead);
}

}  // namespace

void markStepBeads(DrillForm& room, const BeadBoard& shown, const BeadBoard& target) {
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            beadElement(room, rod, bead).marked = standsApart(shown, target, rod, bead);
        }
    }
}

void keepMarksUntilMoved(DrillForm& room, const BeadBoard& shown, const BeadBoard& target) {
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            Element& element = beadElement(room, rod, bead);
            element.marked = element.marked && standsApart(shown, target, rod, bead);
        }
    }
}

void clearBeadMarks(DrillForm& room) {
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            beadElement(room, rod, bead).marked = false;
        }
    }
}

void holdFinishedBoard(DrillForm& room, bool more) {
    room.BeadCheck.visible = true;
    room.BeadNext.visible = more;
    if (more) room.moveFocus(room.BeadNext);
}

bool finishedBoardHeld(const DrillForm& room) { return room.BeadCheck.visible; }

void releaseFinishedBoard(DrillForm& room) {
    room.BeadCheck.visible = false;
    room.BeadNext.visible = false;
}
