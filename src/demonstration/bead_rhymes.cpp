#include "demonstration/bead_rhymes.h"

#include <array>

namespace {

constexpr std::array<const char*, 10> kDigitWords = {"",   "一", "二", "三", "四",
                                                     "五", "六", "七", "八", "九"};

// The digit word of 1..9.
std::string word(int digit) { return digitWord(digit); }

// Collects the steps of one sum on a row, the row's value following every step.
class BeadMoves {
  public:
    explicit BeadMoves(std::int32_t first) : row_(first) {}

    // Adds `digit` (1..9) at `place`, carrying into the next place when the place overflows.
    void add(int place, int digit) {
        const int shown = digitAt(row_, place);
        const int lower = shown % 5;
        if (shown + digit <= 9) {
            const bool direct = digit >= 5 || lower + digit <= 4;
            move(place, digit,
                 direct ? word(digit) + "上" + word(digit)
                        : word(digit) + "下五去" + word(5 - digit));
            return;
        }
        const int complement = 10 - digit;
        const bool directRemoval = complement >= 5 || lower >= complement;
        move(place, -complement,
             directRemoval ? word(digit) + "去" + word(complement) + "进一"
                           : word(digit) + "上" + word(5 - complement) + "去五进一");
        add(place + 1, 1);
    }

    // Takes `digit` (1..9) away at `place`, borrowing from the next place first when the place
    // holds too little.
    void subtract(int place, int digit) {
        const int shown = digitAt(row_, place);
        const int lower = shown % 5;
        if (shown >= digit) {
            const bool direct = digit >= 5 || lower >= digit;
            move(place, -digit,
                 direct ? word(digit) + "去" + word(digit)
                        : word(digit) + "上" + word(5 - digit) + "去五");
            return;
        }
        subtract(place + 1, 1);
        const int complement = 10 - digit;
        const bool directReturn = complement >= 5 || lower + complement <= 4;
        move(place, complement,
             directReturn ? word(digit) + "退一还" + word(complement)
                          : word(digit) + "退一还五去" + word(5 - complement));
    }

    std::vector<BeadStep> steps;

  private:
    // Changes the digit at `place` by `change` and records the step.
    void move(int place, int change, std::string rhyme) {
        row_ += change * placeValue(place);
        steps.push_back({place, std::move(rhyme), row_});
    }

    std::int32_t row_;
};

// True when both terms and the answer fit `rods` rods.
bool fitsRods(std::int32_t first, bool subtract, std::int32_t second, int rods) {
    if (rods < 1 || rods > kWorkingRods) return false;
    const auto fits = [rods](std::int64_t value) {
        return value >= 0 && value < std::int64_t{placeValue(rods)};
    };
    const std::int64_t answer =
        subtract ? std::int64_t{first} - second : std::int64_t{first} + second;
    return fits(first) && fits(second) && fits(answer);
}

}  // namespace

std::int32_t placeValue(int place) {
    std::int32_t value = 1;
    for (int i = 0; i < place; ++i) value *= 10;
    return value;
}

int digitAt(std::int32_t value, int place) { return value / placeValue(place) % 10; }

int digitCount(std::int32_t value) {
    int digits = 1;
    for (; value >= 10; value /= 10) ++digits;
    return digits;
}

std::string digitWord(int digit) {
    if (digit < 1 || digit > 9) return {};
    return kDigitWords[static_cast<std::size_t>(digit)];
}

bool fitsBoardRow(std::int32_t first, bool subtract, std::int32_t second) {
    return fitsRods(first, subtract, second, kRowPlaces);
}

std::vector<BeadStep> beadSteps(std::int32_t first, bool subtract, std::int32_t second) {
    return beadStepsOnRods(first, subtract, second, kRowPlaces);
}

std::vector<BeadStep> beadStepsOnRods(std::int32_t first, bool subtract, std::int32_t second,
                                      int rods) {
    if (!fitsRods(first, subtract, second, rods)) return {};
    BeadMoves moves(first);
    for (int place = rods - 1; place >= 0; --place) {
        const int digit = digitAt(second, place);
        if (digit == 0) continue;
        if (subtract) {
            moves.subtract(place, digit);
        } else {
            moves.add(place, digit);
        }
    }
    return moves.steps;
}
