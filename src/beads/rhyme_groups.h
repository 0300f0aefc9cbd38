#pragma once
// The rhyme groups a bead drill practises, and which group a move on one rod belongs to.

#include <string>

// The groups in the order the drill lists them; the last mixes every rhyme of both operations.
enum RhymeGroup : int {
    kDirectAdd,
    kFiveComplementAdd,
    kCarryAdd,
    kFiveCarryAdd,
    kDirectSubtract,
    kFiveComplementSubtract,
    kBorrowSubtract,
    kFiveBorrowSubtract,
    kMixedAddSubtract,
};

// How many groups the drill offers.
inline constexpr int kRhymeGroups = 9;

// The group's name as the drill lists it ("直加" ...), empty outside 0..8.
std::string rhymeGroupName(int group);

// True for the groups that practise subtraction only.
bool isSubtractionGroup(int group);

// The group of the rhyme that adds, or when `subtract` takes away, `digit` (1..9) on a rod
// showing `shown` (0..9): never kMixedAddSubtract.
RhymeGroup rodMoveGroup(int shown, int digit, bool subtract);
