#pragma once
// The questions of the bead drill: sums whose every digit calls for a rhyme of one group, and
// multiplications and divisions worked by the times table.

#include <cstdint>
#include <string>

#include "model/services.h"

// One question, first + second or first − second with its answer; when worked by `products`,
// first × second, or first ÷ second when `subtract` with the quotient and its remainder.
struct BeadQuestion {
    std::int32_t first = 0;
    bool subtract = false;
    std::int32_t second = 0;
    std::int32_t answer = 0;
    bool products = false;
    std::int32_t remainder = 0;
    bool operator==(const BeadQuestion&) const = default;
};

// The question of two terms and its operation, with its answer (and remainder).
BeadQuestion beadQuestion(std::int32_t first, bool subtract, std::int32_t second, bool products);

// The question as the set's lines and the history write it: "325+67", "23×14", "103÷4".
std::string questionText(const BeadQuestion& question);

// The question as the room shows it above the board: "325 + 67", "23 × 14".
std::string questionCaption(const BeadQuestion& question);

// The answer as the set's lines and the history write it: "392", "25余3".
std::string answerText(const BeadQuestion& question);

// The number on the board when the question starts: the first term, nothing for a
// multiplication (worked on an empty board).
std::int32_t startingValue(const BeadQuestion& question);

// The most digits a term may have.
inline constexpr int kMaxTermDigits = 4;

// A question for rhyme group `group` (a RhymeGroup) with `digits` (1..4) digits per term: each
// non-zero digit of the second term, moved from its highest place to the units on a board
// showing the first, calls for a rhyme of the group at its own rod. The first term of a
// borrowing group has one digit more, the rod the highest borrow comes from; the mixed group
// adds or subtracts any two terms, as does any group outside 0..7. The answer never falls
// below 0. A multiplication or division group draws its own kind of question, a division
// leaving a remainder when `remainder`.
BeadQuestion drawBeadQuestion(RandomSource& random, int group, int digits, bool remainder = false);
