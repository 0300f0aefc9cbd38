#include "beads/rhyme_groups.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<const char*, kRhymeGroups> kGroupNames = {
    "直加",       "满五加",   "进十加",   "破五进十加", "直减",     "破五减",  "退十减",
    "退十补五减", "加减混合", "一位乘法", "两位乘法",   "一位除法", "两位除法"};

// The group of adding `digit` to a rod showing `shown`: without a carry the lower beads either
// take the digit or the five bead comes down; with one the rod either gives up the ten's
// complement directly or must break its five.
RhymeGroup additionGroup(int shown, int digit) {
    const int lower = shown % 5;
    if (shown + digit <= 9) {
        return digit >= 5 || lower + digit <= 4 ? kDirectAdd : kFiveComplementAdd;
    }
    const int complement = 10 - digit;
    return complement >= 5 || lower >= complement ? kCarryAdd : kFiveCarryAdd;
}

// The group of taking `digit` from a rod showing `shown`, the mirror of adding.
RhymeGroup subtractionGroup(int shown, int digit) {
    const int lower = shown % 5;
    if (shown >= digit) {
        return digit >= 5 || lower >= digit ? kDirectSubtract : kFiveComplementSubtract;
    }
    const int complement = 10 - digit;
    return complement >= 5 || lower + complement <= 4 ? kBorrowSubtract : kFiveBorrowSubtract;
}

}  // namespace

std::string rhymeGroupName(int group) {
    if (group < 0 || group >= kRhymeGroups) return {};
    return kGroupNames[static_cast<std::size_t>(group)];
}

bool isSubtractionGroup(int group) { return group >= kDirectSubtract && group < kMixedAddSubtract; }

bool isProductGroup(int group) { return group >= kOneDigitMultiply && group < kRhymeGroups; }

RhymeGroup rodMoveGroup(int shown, int digit, bool subtract) {
    return subtract ? subtractionGroup(shown, digit) : additionGroup(shown, digit);
}
