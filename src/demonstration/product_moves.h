#pragma once
// One product of two digits worked on a board row: its times-table line said alone, then the
// bead moves that add it or take it away.

#include <cstdint>
#include <string>
#include <vector>

#include "demonstration/bead_rhymes.h"

// How a product of two digits is set on the row: on the rods its digits need, or always on two
// rods, a one-digit product with its tens as 0 ("二三得六 06").
enum class ProductRods { AsNeeded, Two };

// Appends the step saying the times-table line of first × second (each 1..9) alone, framed at
// the rod the product with its units on `units` starts on (both rods of a two-rod product), and
// returns the line.
std::string sayProduct(std::vector<BeadStep>& steps, std::int32_t row, int first, int second,
                       int units, ProductRods productRods);

// Appends the steps for first × second (each 1..9) with its units on `units`: the line alone,
// framed at the rod the product starts on (both rods of a two-rod product), then the moves
// adding it to `row`, or taking it away when `subtract`, each carrying the line; `row` follows
// the moves.
void workProduct(std::vector<BeadStep>& steps, std::int32_t& row, int first, int second, int units,
                 bool subtract, int rods, ProductRods productRods = ProductRods::AsNeeded);

// Appends the moves adding `amount` to `row`, or taking it away when `subtract`, each carrying
// `reason` as the line it follows; `row` follows the moves.
void moveAmount(std::vector<BeadStep>& steps, std::int32_t& row, std::int32_t amount, bool subtract,
                int rods, const std::string& reason);
