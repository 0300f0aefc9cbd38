#include "demonstration/times_table.h"

#include <algorithm>

#include "demonstration/bead_rhymes.h"

namespace {

constexpr char kBelowTen[] = "得";
constexpr char kTen[] = "十";
constexpr char kOneTen[] = "一十";

// A product of two digits as the table says it: "六", "一十", "十二", "二十", "八十一".
std::string productWords(int product) {
    const int tens = product / 10;
    const int units = product % 10;
    if (tens == 0) return digitWord(units);
    if (tens == 1) return units == 0 ? kOneTen : kTen + digitWord(units);
    return digitWord(tens) + kTen + digitWord(units);
}

}  // namespace

std::string timesTableRhyme(int first, int second) {
    if (first < 1 || first > 9 || second < 1 || second > 9) return {};
    const int smaller = std::min(first, second);
    const int larger = std::max(first, second);
    const int product = smaller * larger;
    return digitWord(smaller) + digitWord(larger) + (product < 10 ? kBelowTen : "") +
           productWords(product);
}
