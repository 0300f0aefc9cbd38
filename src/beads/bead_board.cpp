#include "beads/bead_board.h"

#include <cstddef>

namespace {

// The rod at `place` of a board.
const RodBeads& rodAt(const BeadBoard& board, int place) {
    return board.rods[static_cast<std::size_t>(place)];
}

// The rod at `place` of a board, to move its beads.
RodBeads& rodAt(BeadBoard& board, int place) { return board.rods[static_cast<std::size_t>(place)]; }

}  // namespace

int rodDigit(const RodBeads& rod) { return (rod.upperAtBeam ? 5 : 0) + rod.lowerAtBeam; }

std::int32_t boardValue(const BeadBoard& board) {
    std::int32_t value = 0;
    for (int place = kBoardRods - 1; place >= 0; --place) {
        value = value * 10 + rodDigit(rodAt(board, place));
    }
    return value;
}

BeadBoard boardShowing(std::int32_t value) {
    BeadBoard board;
    for (int place = 0; place < kBoardRods; ++place, value /= 10) {
        const int digit = value % 10;
        rodAt(board, place) = {digit >= 5, digit % 5};
    }
    return board;
}

bool beadAtBeam(const BeadBoard& board, int rod, int bead) {
    const RodBeads& beads = rodAt(board, rod);
    return bead == kUpperBead ? beads.upperAtBeam : bead <= beads.lowerAtBeam;
}

BeadBoard clickBead(const BeadBoard& board, int rod, int bead) {
    BeadBoard after = board;
    RodBeads& beads = rodAt(after, rod);
    if (bead == kUpperBead) {
        beads.upperAtBeam = !beads.upperAtBeam;
    } else if (beadAtBeam(board, rod, bead)) {
        beads.lowerAtBeam = bead - 1;
    } else {
        beads.lowerAtBeam = bead;
    }
    return after;
}

BeadBoard keyMove(const BeadBoard& board, int rod, BeadKey key) {
    BeadBoard after = board;
    RodBeads& beads = rodAt(after, rod);
    switch (key) {
        case BeadKey::UpperToBeam:
            beads.upperAtBeam = true;
            break;
        case BeadKey::UpperAway:
            beads.upperAtBeam = false;
            break;
        case BeadKey::LowerToBeam:
            if (beads.lowerAtBeam < kLowerBeads) ++beads.lowerAtBeam;
            break;
        case BeadKey::LowerAway:
            if (beads.lowerAtBeam > 0) --beads.lowerAtBeam;
            break;
    }
    return after;
}
