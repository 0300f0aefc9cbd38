#pragma once
// The movable abacus of the bead drill: seven rods, each with one upper bead worth five and
// four lower beads worth one, and the moves a click or a key makes on it.

#include <array>
#include <cstdint>

// The rods of the board, place 0 (the units) on the right.
inline constexpr int kBoardRods = 7;
// The lower beads of a rod, bead 1 nearest the beam.
inline constexpr int kLowerBeads = 4;
// The bead number of the upper bead; lower beads are numbered 1 to 4.
inline constexpr int kUpperBead = 0;

// One rod: whether its upper bead rests on the beam, and how many lower beads do.
struct RodBeads {
    bool upperAtBeam = false;
    int lowerAtBeam = 0;
    bool operator==(const RodBeads&) const = default;
};

// The whole board, indexed by place.
struct BeadBoard {
    std::array<RodBeads, kBoardRods> rods{};
    bool operator==(const BeadBoard&) const = default;
};

// The one-bead moves the keyboard makes on the chosen rod.
enum class BeadKey { UpperToBeam, UpperAway, LowerToBeam, LowerAway };

// The digit a rod shows.
int rodDigit(const RodBeads& rod);

// The number the board shows.
std::int32_t boardValue(const BeadBoard& board);

// The board showing `value` (0 .. 9999999).
BeadBoard boardShowing(std::int32_t value);

// True when bead `bead` (kUpperBead or 1..4) of rod `rod` rests on the beam, so it counts.
bool beadAtBeam(const BeadBoard& board, int rod, int bead);

// The board after a click on a bead: the upper bead toggles; lower bead k away from the beam
// brings beads 1..k to it, lower bead k on the beam sends beads k..4 away.
BeadBoard clickBead(const BeadBoard& board, int rod, int bead);

// The board after a key moves one bead of `rod`; unchanged when that bead cannot move.
BeadBoard keyMove(const BeadBoard& board, int rod, BeadKey key);
