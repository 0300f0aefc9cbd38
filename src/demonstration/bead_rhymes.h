#pragma once
// The bead moves of an addition or subtraction on the abacus, place by place, each with the
// rhyme a child says while moving the beads.

#include <cstdint>
#include <string>
#include <vector>

// One bead move: the place it changes (0 units, 1 tens ...), its rhyme and the row's value
// once the beads have moved.
struct BeadStep {
    int place = 0;
    std::string rhyme;
    std::int32_t rowValue = 0;
    bool operator==(const BeadStep&) const = default;
};

// The places a board row holds: values 0 to 99999.
inline constexpr int kRowPlaces = 5;

// The steps that take a row showing `first` to first + second, or to first − second when
// `subtract`: the digits of `second` from its highest place to its units, a place whose digit
// is 0 skipped, every carry and borrow a step of its own. Empty when a term or the answer
// lies outside 0..99999.
std::vector<BeadStep> beadSteps(std::int32_t first, bool subtract, std::int32_t second);

// True when both terms and the answer fit a board row.
bool fitsBoardRow(std::int32_t first, bool subtract, std::int32_t second);
