#pragma once
// A level's test paper, drawn from a seed: the 加减算 item and, from 六级 on, the 乘算 item.

#include <cstdint>
#include <vector>

// A column sum: its terms top to bottom, a subtracted term negative, and its answer.
struct SumQuestion {
    std::vector<std::int32_t> terms;
    std::int32_t answer = 0;
    bool operator==(const SumQuestion&) const = default;
};

// A multiplication first × second and its answer.
struct ProductQuestion {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t answer = 0;
    bool operator==(const ProductQuestion&) const = default;
};

// The questions of one level test.
struct LevelPaper {
    int level = 0;
    std::vector<SumQuestion> additionItem;
    // Empty below 六级.
    std::vector<ProductQuestion> multiplicationItem;
    bool operator==(const LevelPaper&) const = default;
};

// The paper of `level` (0 = 十级 .. 9 = 一级), the same for the same seed. Every addition
// question has the table's rows and digit mix in a shuffled order; questions 1-6 only add,
// questions 7-10 subtract the table's number of rows, never the first, and never let the
// running total fall below 0. The multiplications have the table's shapes and counts in a
// shuffled order. Throws std::out_of_range for a level outside 0..9.
LevelPaper levelPaper(int level, std::uint32_t seed);
