#pragma once
// How the cells of a class's table sort when the teacher clicks a header: counts and shares by
// their number, levels by their rank, and everything else (names, days, sums) as text.

#include <optional>
#include <string>

// The number a cell sorts by: a count ("12") or a share ("67%") as itself, a level's name as
// its rank (十级 0 .. 一级 9); nullopt for a cell that sorts as text, empty ones included.
std::optional<double> classTableCellValue(const std::string& cell);
