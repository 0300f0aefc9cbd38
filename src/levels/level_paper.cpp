#include "levels/level_paper.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "engine/random_choice.h"
#include "engine/uniform_random.h"
#include "levels/level_table.h"

namespace {

// 10 to the power `exponent`.
std::int32_t powerOfTen(int exponent) {
    std::int32_t value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

// A whole number of exactly `digits` digits, its first digit never 0.
std::int32_t numberWithDigits(RandomSource& random, int digits) {
    const std::int32_t lowest = powerOfTen(digits - 1);
    return lowest + randomChoice(random, 9 * lowest) - 1;
}

// Puts the items in a random order, the same for the same draws on every platform.
template <typename Item>
void shuffle(RandomSource& random, std::vector<Item>& items) {
    for (std::size_t left = items.size(); left > 1; --left) {
        const auto pick = static_cast<std::size_t>(randomChoice(random, static_cast<int>(left)));
        std::swap(items[left - 1], items[pick - 1]);
    }
}

// The unsigned terms of one question, as many of each length as the table gives.
std::vector<std::int32_t> drawTerms(RandomSource& random, const LevelSpec& spec) {
    std::vector<std::int32_t> terms;
    for (int index = 0; index < kLongestTerm; ++index) {
        const int digits = kLongestTerm - index;
        for (int count = 0; count < spec.termsByDigits[static_cast<std::size_t>(index)]; ++count) {
            terms.push_back(numberWithDigits(random, digits));
        }
    }
    return terms;
}

// A term's size when it is added; subtracted terms come after every added one.
std::int32_t addedSize(std::int32_t term) {
    return term > 0 ? term : std::numeric_limits<std::int32_t>::max();
}

// Marks `count` random terms as subtracted by negating them. While the subtracted terms
// outweigh the added ones, the largest subtracted term trades places with the smallest added
// one; as no level subtracts more than half its rows, this ends at the latest when the
// smallest terms are the subtracted ones.
void chooseSubtractedTerms(RandomSource& random, std::vector<std::int32_t>& terms, int count) {
    shuffle(random, terms);
    for (int i = 0; i < count; ++i) terms[static_cast<std::size_t>(i)] *= -1;
    while (std::accumulate(terms.begin(), terms.end(), 0) < 0) {
        const auto largestSubtracted = std::min_element(terms.begin(), terms.end());
        const auto smallestAdded = std::min_element(
            terms.begin(), terms.end(),
            [](std::int32_t a, std::int32_t b) { return addedSize(a) < addedSize(b); });
        const std::int32_t subtracted = *largestSubtracted;
        *largestSubtracted = -*smallestAdded;
        *smallestAdded = -subtracted;
    }
}

// Lays the signed terms out top to bottom, each row drawn from those the running total
// allows: an added term always, a subtracted one when the total covers it. Since the added
// terms outweigh the subtracted ones, the rows never run out of a term the total allows.
std::vector<std::int32_t> orderTerms(RandomSource& random, std::vector<std::int32_t> left) {
    std::vector<std::int32_t> rows;
    std::int32_t total = 0;
    while (!left.empty()) {
        std::vector<std::size_t> allowed;
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (total + left[i] >= 0) allowed.push_back(i);
        }
        const std::size_t pick = allowed[static_cast<std::size_t>(
            randomChoice(random, static_cast<int>(allowed.size())) - 1)];
        total += left[pick];
        rows.push_back(left[pick]);
        left.erase(left.begin() + static_cast<long>(pick));
    }
    return rows;
}

// One column sum of the level with `subtracted` subtracted rows.
SumQuestion sumQuestion(RandomSource& random, const LevelSpec& spec, int subtracted) {
    std::vector<std::int32_t> terms = drawTerms(random, spec);
    chooseSubtractedTerms(random, terms, subtracted);
    SumQuestion question{orderTerms(random, std::move(terms)), 0};
    question.answer = std::accumulate(question.terms.begin(), question.terms.end(), 0);
    return question;
}

// The ten multiplications of the level's shapes, in a shuffled order.
std::vector<ProductQuestion> productQuestions(RandomSource& random, const LevelSpec& spec) {
    std::vector<ProductQuestion> questions;
    for (const MultiplicationShape& shape : spec.multiplication) {
        for (int count = 0; count < shape.count; ++count) {
            const std::int32_t first = numberWithDigits(random, shape.firstDigits);
            const std::int32_t second = numberWithDigits(random, shape.secondDigits);
            questions.push_back({first, second, first * second});
        }
    }
    shuffle(random, questions);
    return questions;
}

}  // namespace

LevelPaper levelPaper(int level, std::uint32_t seed) {
    const LevelSpec& spec = levelSpec(level);
    UniformRandom random(seed);
    LevelPaper paper{level, {}, {}};
    for (int number = 0; number < kQuestionsPerItem; ++number) {
        const int subtracted = number < kAdditionOnlyQuestions ? 0 : spec.subtractedRows;
        paper.additionItem.push_back(sumQuestion(random, spec, subtracted));
    }
    paper.multiplicationItem = productQuestions(random, spec);
    return paper;
}
