#include "listening/number_reading.h"

#include <array>
#include <vector>

namespace {

// One spoken syllable in both writings.
struct Syllable {
    const char* chinese;
    const char* pinyin;
};

constexpr std::array<Syllable, 10> kDigits{{{"零", "ling2"},
                                            {"一", "yi1"},
                                            {"二", "er4"},
                                            {"三", "san1"},
                                            {"四", "si4"},
                                            {"五", "wu3"},
                                            {"六", "liu4"},
                                            {"七", "qi1"},
                                            {"八", "ba1"},
                                            {"九", "jiu3"}}};
constexpr Syllable kLeadingTwo{"两", "liang3"};
constexpr Syllable kTen{"十", "shi2"};
constexpr Syllable kHundred{"百", "bai3"};
constexpr Syllable kThousand{"千", "qian1"};
constexpr Syllable kTenThousand{"万", "wan4"};

constexpr int kHighestPlace = 7;
constexpr int kTenThousandPlace = 4;
constexpr int kPlacesPerGroup = 4;

// The unit word of a place within its group of four digits: none, 十, 百 or 千.
const Syllable* unitOfPlace(int place) {
    switch (place % kPlacesPerGroup) {
        case 1:
            return &kTen;
        case 2:
            return &kHundred;
        case 3:
            return &kThousand;
        default:
            return nullptr;
    }
}

// The digit of `number` at `place` (0 units, 1 tens ...).
int digitAt(std::int32_t number, int place) {
    for (int i = 0; i < place; ++i) number /= 10;
    return number % 10;
}

// The word said for a non-zero digit at `place`, none for the 1 of a leading 十; `leading` when
// it is the number's first digit.
const Syllable* digitWord(int digit, int place, bool leading) {
    const bool followedByBaiQianOrWan = place % kPlacesPerGroup >= 2 || place == kTenThousandPlace;
    if (leading && digit == 2 && followedByBaiQianOrWan) return &kLeadingTwo;
    const bool leadingTen = leading && digit == 1 && place % kPlacesPerGroup == 1;
    if (leadingTen) return nullptr;
    return &kDigits[static_cast<std::size_t>(digit)];
}

// The syllables of a number in 0 .. kLargestReadNumber, from its highest place down.
std::vector<Syllable> syllablesOf(std::int32_t number) {
    if (number == 0) return {kDigits[0]};
    std::vector<Syllable> spoken;
    bool zerosPending = false;
    for (int place = kHighestPlace; place >= 0; --place) {
        const int digit = digitAt(number, place);
        if (digit == 0) {
            zerosPending = zerosPending || !spoken.empty();
        } else {
            if (zerosPending) spoken.push_back(kDigits[0]);
            zerosPending = false;
            const bool leading = spoken.empty();
            if (const Syllable* word = digitWord(digit, place, leading)) spoken.push_back(*word);
            if (const Syllable* unit = unitOfPlace(place)) spoken.push_back(*unit);
        }
        if (place == kTenThousandPlace && !spoken.empty()) {
            spoken.push_back(kTenThousand);
            // Zeros ending the part before 万 are not read when its thousands follow at once.
            if (digitAt(number, kTenThousandPlace - 1) != 0) zerosPending = false;
        }
    }
    return spoken;
}

// True for the numbers a reading covers.
bool isReadable(std::int32_t number) { return number >= 0 && number <= kLargestReadNumber; }

}  // namespace

std::string chineseReading(std::int32_t number) {
    if (!isReadable(number)) return {};
    std::string text;
    for (const Syllable& syllable : syllablesOf(number)) text += syllable.chinese;
    return text;
}

std::string pinyinReading(std::int32_t number) {
    if (!isReadable(number)) return {};
    std::string text;
    for (const Syllable& syllable : syllablesOf(number)) {
        if (!text.empty()) text += ' ';
        text += syllable.pinyin;
    }
    return text;
}
