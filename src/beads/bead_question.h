#pragma once
// The questions of the bead drill: sums whose every digit calls for a rhyme of one group.

#include <cstdint>

#include "model/services.h"

// One question, first + second or first − second, with its answer.
struct BeadQuestion {
    std::int32_t first = 0;
    bool subtract = false;
    std::int32_t second = 0;
    std::int32_t answer = 0;
    bool operator==(const BeadQuestion&) const = default;
};

// The most digits a term may have.
inline constexpr int kMaxTermDigits = 4;

// A question for rhyme group `group` (a RhymeGroup) with `digits` (1..4) digits per term: each
// non-zero digit of the second term, moved from its highest place to the units on a board
// showing the first, calls for a rhyme of the group at its own rod. The first term of a
// borrowing group has one digit more, the rod the highest borrow comes from; the mixed group
// adds or subtracts any two terms, as does any group outside 0..7. The answer never falls
// below 0.
BeadQuestion drawBeadQuestion(RandomSource& random, int group, int digits);
