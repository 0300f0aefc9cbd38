#include "beads/bead_question.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "beads/product_questions.h"
#include "beads/rhyme_groups.h"
#include "engine/random_choice.h"

namespace {

constexpr char kRemainderWord[] = "余";

// The sign of the question's operation.
std::string signOf(const BeadQuestion& question) {
    if (question.products) return question.subtract ? "÷" : "×";
    return question.subtract ? "-" : "+";
}

// A rod's digit on the board and the digit the second term moves there.
struct RodDigits {
    int shown = 0;
    int moved = 0;
};

// Every pair of a shown digit and a moved digit whose rhyme belongs to `group`; a leading rod
// must show a digit other than 0.
std::vector<RodDigits> fittingDigits(int group, bool subtract, bool leading) {
    std::vector<RodDigits> pairs;
    for (int shown = leading ? 1 : 0; shown <= 9; ++shown) {
        for (int moved = 1; moved <= 9; ++moved) {
            if (rodMoveGroup(shown, moved, subtract) == group) pairs.push_back({shown, moved});
        }
    }
    return pairs;
}

// A number of exactly `digits` digits, any of them equally likely.
std::int32_t randomTerm(RandomSource& random, int digits) {
    std::int32_t term = randomChoice(random, 9);
    for (int place = 1; place < digits; ++place) term = term * 10 + randomChoice(random, 10) - 1;
    return term;
}

// Any sum or difference of two terms, the larger first when subtracting.
BeadQuestion mixedQuestion(RandomSource& random, int digits) {
    BeadQuestion question;
    question.subtract = randomChoice(random, 2) == 2;
    question.first = randomTerm(random, digits);
    question.second = randomTerm(random, digits);
    if (question.subtract && question.first < question.second) {
        std::swap(question.first, question.second);
    }
    return question;
}

// A question built rod by rod from the units up, each rod given a pair that fits the group.
BeadQuestion groupQuestion(RandomSource& random, int group, int digits) {
    BeadQuestion question;
    question.subtract = isSubtractionGroup(group);
    const bool borrows = group == kBorrowSubtract || group == kFiveBorrowSubtract;
    std::int32_t unit = 1;
    for (int place = 0; place < digits; ++place, unit *= 10) {
        const bool leading = place == digits - 1 && !borrows;
        const std::vector<RodDigits> pairs = fittingDigits(group, question.subtract, leading);
        const RodDigits& pair = pairs[static_cast<std::size_t>(
            randomChoice(random, static_cast<int>(pairs.size())) - 1)];
        question.first += pair.shown * unit;
        question.second += pair.moved * unit;
    }
    if (borrows) question.first += randomChoice(random, 9) * unit;
    return question;
}

}  // namespace

BeadQuestion beadQuestion(std::int32_t first, bool subtract, std::int32_t second, bool products) {
    BeadQuestion question{first, subtract, second, 0, products, 0};
    if (!products) {
        question.answer = subtract ? first - second : first + second;
    } else if (!subtract) {
        question.answer = first * second;
    } else if (second != 0) {
        question.answer = first / second;
        question.remainder = first % second;
    }
    return question;
}

std::string questionText(const BeadQuestion& question) {
    return std::to_string(question.first) + signOf(question) + std::to_string(question.second);
}

std::string questionCaption(const BeadQuestion& question) {
    return std::to_string(question.first) + " " + signOf(question) + " " +
           std::to_string(question.second);
}

std::string answerText(const BeadQuestion& question) {
    const std::string quotient = std::to_string(question.answer);
    if (question.remainder == 0) return quotient;
    return quotient + kRemainderWord + std::to_string(question.remainder);
}

std::int32_t startingValue(const BeadQuestion& question) {
    return question.products && !question.subtract ? 0 : question.first;
}

BeadQuestion drawBeadQuestion(RandomSource& random, int group, int digits, bool remainder) {
    if (isProductGroup(group)) return drawProductQuestion(random, group, digits, remainder);
    digits = std::clamp(digits, 1, kMaxTermDigits);
    const BeadQuestion question = group >= 0 && group < kMixedAddSubtract
                                      ? groupQuestion(random, group, digits)
                                      : mixedQuestion(random, digits);
    return beadQuestion(question.first, question.subtract, question.second, false);
}
