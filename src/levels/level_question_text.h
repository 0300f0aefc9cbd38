#pragma once
// Level questions as text, for the test room's list and the printed paper.

#include <string>
#include <vector>

#include "levels/level_paper.h"

// The terms of a column sum one per line, right-aligned to one width with room for a sign:
// a subtracted term has "-" before its digits ("  -67"), an added one a blank in its place.
std::vector<std::string> columnLines(const SumQuestion& question);

// A multiplication as one line: "12 × 3 =".
std::string productLine(const ProductQuestion& question);
