#include "listening/number_reading.h"

#include <array>
#include <string_view>
#include <vector>

namespace {

// One spoken syllable in both writings.
struct Syllable {
    std::string_view chinese;
    std::string_view pinyin;
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
const Syllable* digitWord(int digit, int place, bool leading, LeadingTwo two) {
    const bool followedByBaiQianOrWan = place % kPlacesPerGroup >= 2 || place == kTenThousandPlace;
    if (leading && digit == 2 && followedByBaiQianOrWan && two == LeadingTwo::Liang) {
        return &kLeadingTwo;
    }
    const bool leadingTen = leading && digit == 1 && place % kPlacesPerGroup == 1;
    if (leadingTen) return nullptr;
    return &kDigits[static_cast<std::size_t>(digit)];
}

// The syllables of a number in 0 .. kLargestReadNumber, from its highest place down.
std::vector<Syllable> syllablesOf(std::int32_t number, LeadingTwo two) {
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
            if (const Syllable* word = digitWord(digit, place, leading, two))
                spoken.push_back(*word);
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

// True for the place words 十, 百, 千 and 万.
bool isPlaceWord(const Syllable& syllable) {
    return syllable.pinyin == kTen.pinyin || syllable.pinyin == kHundred.pinyin ||
           syllable.pinyin == kThousand.pinyin || syllable.pinyin == kTenThousand.pinyin;
}

// The pinyin of the syllable at `index`: 一 before a place word takes the second tone before
// the fourth tone of 万 and the fourth tone before the others.
std::string pinyinAt(const std::vector<Syllable>& syllables, std::size_t index) {
    const Syllable& syllable = syllables[index];
    if (syllable.pinyin != kDigits[1].pinyin || index + 1 == syllables.size() ||
        !isPlaceWord(syllables[index + 1])) {
        return std::string(syllable.pinyin);
    }
    return syllables[index + 1].pinyin == kTenThousand.pinyin ? "yi2" : "yi4";
}

// The tone of a tone-numbered syllable.
int toneOf(std::string_view pinyin) { return pinyin.back() - '0'; }

// The pinyin of the syllable at `index` as said: a third tone before another third tone takes
// the second (五百 wu2 bai3, 五百五十 wu2 bai2 wu3 shi2).
std::string spokenPinyinAt(const std::vector<Syllable>& syllables, std::size_t index) {
    std::string pinyin = pinyinAt(syllables, index);
    const bool beforeThird =
        index + 1 < syllables.size() && toneOf(syllables[index + 1].pinyin) == 3;
    if (toneOf(pinyin) == 3 && beforeThird) pinyin.back() = '2';
    return pinyin;
}

// True for the numbers a reading covers.
bool isReadable(std::int32_t number) { return number >= 0 && number <= kLargestReadNumber; }

}  // namespace

std::string chineseReading(std::int32_t number, LeadingTwo two) {
    if (!isReadable(number)) return {};
    std::string text;
    for (const Syllable& syllable : syllablesOf(number, two)) text += syllable.chinese;
    return text;
}

std::string pinyinReading(std::int32_t number, LeadingTwo two) {
    if (!isReadable(number)) return {};
    const std::vector<Syllable> syllables = syllablesOf(number, two);
    std::string text;
    for (std::size_t index = 0; index < syllables.size(); ++index) {
        if (!text.empty()) text += ' ';
        text += spokenPinyinAt(syllables, index);
    }
    return text;
}
