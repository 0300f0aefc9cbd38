#pragma once
// The rhyme groups a bead drill practises, and which group a move on one rod belongs to.

#include <string>

// The groups in the order the drill lists them: the rhymes of addition and subtraction, a group
// mixing them all, then multiplication and division worked by the times table.
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
    kOneDigitMultiply,
    kTwoDigitMultiply,
    kOneDigitDivide,
    kTwoDigitDivide,
};

// How many groups the drill offers.
inline constexpr int kRhymeGroups = 13;

// The group's name as the drill lists it ("直加" ... "两位除法"), empty outside the groups.
std::string rhymeGroupName(int group);

// True for the groups of multiplication and division.
bool isProductGroup(int group);

// True for the groups that practise subtraction only.
bool isSubtractionGroup(int group);

// The group of the rhyme that adds, or when `subtract` takes away, `digit` (1..9) on a rod
// showing `shown` (0..9): never kMixedAddSubtract.
RhymeGroup rodMoveGroup(int shown, int digit, bool subtract);
