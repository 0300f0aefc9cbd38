#pragma once
// The tables a child learns the rhymes from: the 26 rhymes of addition and the 26 of
// subtraction, each in its four groups, and the 45 lines of 九九; each line with the sum it is
// shown on.

#include <string>
#include <vector>

// A line of a table: a group's heading ("【满五加】", nothing to show) or a rhyme with the
// question that shows it on the board, on a rod state where it applies ("3+3" for "三下五去二").
struct RhymeLine {
    std::string text;
    std::string question;  // empty for a heading
};

// 直加, 满五加, 进十加 and 破五进十加, each under its heading, digits 1 to 9 in order.
const std::vector<RhymeLine>& additionRhymes();

// 直减, 破五减, 退十减 and 退十补五减, each under its heading.
const std::vector<RhymeLine>& subtractionRhymes();

// The 45 lines of 九九 under their heading, "一一得一" to "九九八十一", the smaller factor first.
const std::vector<RhymeLine>& timesTableLines();
