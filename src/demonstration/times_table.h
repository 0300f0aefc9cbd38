#pragma once
// The lines of the 九九 multiplication table a child says while multiplying on the beads.

#include <string>

// The line for `first` × `second` (each 1..9), the smaller factor first: "二三得六",
// "二五一十", "三七二十一"; empty when a factor lies outside 1..9.
std::string timesTableRhyme(int first, int second);
