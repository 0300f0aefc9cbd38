#pragma once
// The bead moves of an addition or subtraction on the abacus, place by place, each with the
// rhyme a child says while moving the beads.

#include <cstdint>
#include <string>
#include <vector>

// One bead move: the place it changes (0 units, 1 tens ...), its rhyme and the row's value
// once the beads have moved. In a multiplication or division each product is first said alone
// with its line of the times table (a step that moves no bead, at the rod the product starts
// on), and the moves that add or take it away carry that line in `tableRhyme`. A step frames
// the rod of `place` and, when `framedRods` is 2, the rod to its right as well.
struct BeadStep {
    int place = 0;
    std::string rhyme;
    std::int32_t rowValue = 0;
    std::string tableRhyme = {};
    bool movesBeads = true;
    int framedRods = 1;
    bool operator==(const BeadStep&) const = default;
};

// The places a board row holds: values 0 to 99999.
inline constexpr int kRowPlaces = 5;

// The most rods a worked question may use: the bead drill's board.
inline constexpr int kWorkingRods = 7;

// The steps that take a row showing `first` to first + second, or to first − second when
// `subtract`: the digits of `second` from its highest place to its units, a place whose digit
// is 0 skipped, every carry and borrow a step of its own. Empty when a term or the answer
// lies outside 0..99999.
std::vector<BeadStep> beadSteps(std::int32_t first, bool subtract, std::int32_t second);

// The same on a row of `rods` rods (1 .. kWorkingRods): empty when a term or the answer needs
// more of them.
std::vector<BeadStep> beadStepsOnRods(std::int32_t first, bool subtract, std::int32_t second,
                                      int rods);

// 10 to the power `place` (0 .. 9).
std::int32_t placeValue(int place);

// The digit `value` shows at `place`.
int digitAt(std::int32_t value, int place);

// How many digits `value` has (1 for 0).
int digitCount(std::int32_t value);

// The word of a digit 1..9 as rhymes say it ("三"), empty for any other number.
std::string digitWord(int digit);

// True when both terms and the answer fit a board row.
bool fitsBoardRow(std::int32_t first, bool subtract, std::int32_t second);
