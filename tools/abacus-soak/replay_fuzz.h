#pragma once
// Random replay scripts full of malformed lines, to show that abacus-replay reports each
// bad line and never falls over.

#include <cstdint>
#include <string>
#include <vector>

struct FuzzScript {
    std::string bytes;           // the script, with line feeds, carriage returns or both
    std::vector<long> badLines;  // the numbers of the lines abacus-replay must refuse
};

// `lineCount` lines drawn from `seed`, about half of them bad.
FuzzScript fuzzScript(std::uint64_t seed, long lineCount);
