#include "flash/flash_chain.h"

#include <algorithm>
#include <cmath>

#include "engine/random_choice.h"
#include "engine/text_number.h"

namespace {

constexpr int kRandomTries = 200;

// The smallest and largest numbers of `digits` digits.
std::int32_t smallestOf(int digits) {
    std::int32_t value = 1;
    for (int i = 1; i < digits; ++i) value *= 10;
    return value;
}
std::int32_t largestOf(int digits) { return smallestOf(digits) * 10 - 1; }

// A number of exactly `digits` digits other than `avoid`.
std::int32_t drawSize(RandomSource& random, int digits, std::int32_t avoid) {
    const std::int32_t low = smallestOf(digits);
    const int choices = static_cast<int>(largestOf(digits) - low + 1);
    for (;;) {
        const std::int32_t size = low + randomChoice(random, choices) - 1;
        if (size != avoid) return size;
    }
}

// Sizes for a chain, neighbours differing.
std::vector<std::int32_t> drawSizes(RandomSource& random, int digits, int terms) {
    std::vector<std::int32_t> sizes;
    for (int i = 0; i < terms; ++i) {
        sizes.push_back(drawSize(random, digits, sizes.empty() ? -1 : sizes.back()));
    }
    return sizes;
}

// Signs for drawn sizes: each later term taken away by a coin toss when the running total
// allows it; empty when no term could be taken away.
std::vector<std::int32_t> signedChain(RandomSource& random,
                                      const std::vector<std::int32_t>& sizes) {
    std::vector<std::int32_t> chain{sizes.front()};
    std::int64_t total = sizes.front();
    bool anyTakenAway = false;
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        const bool takeAway = total >= sizes[i] && randomChoice(random, 2) == 1;
        chain.push_back(takeAway ? -sizes[i] : sizes[i]);
        total += chain.back();
        anyTakenAway = anyTakenAway || takeAway;
    }
    if (!anyTakenAway) chain.clear();
    return chain;
}

}  // namespace

std::vector<std::int32_t> drawFlashChain(RandomSource& random, int digits, int terms, bool mixed) {
    digits = std::clamp(digits, 1, 8);
    terms = std::max(terms, 2);
    if (!mixed) return drawSizes(random, digits, terms);
    for (int attempt = 0; attempt < kRandomTries; ++attempt) {
        std::vector<std::int32_t> chain = signedChain(random, drawSizes(random, digits, terms));
        if (!chain.empty()) return chain;
    }
    // A start as large as the digits allow always leaves room to take the second term away.
    std::vector<std::int32_t> chain = drawSizes(random, digits, terms);
    chain[0] = largestOf(digits);
    if (chain[1] == chain[0]) chain[1] = smallestOf(digits);
    if (terms > 2 && chain[2] == chain[1]) chain[2] = drawSize(random, digits, chain[1]);
    chain[1] = -chain[1];
    return chain;
}

std::int64_t chainTotal(const std::vector<std::int32_t>& chain) {
    std::int64_t total = 0;
    for (const std::int32_t term : chain) total += term;
    return total;
}

std::string chainText(const std::vector<std::int32_t>& chain) {
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (i > 0 && chain[i] >= 0) text += '+';
        text += plainNumber(chain[i]);
    }
    return text;
}

FlashSpans flashSpans(int periodMilliseconds) {
    const int shown = static_cast<int>(roundHalfEven(0.8 * periodMilliseconds));
    return {shown, periodMilliseconds - shown};
}
