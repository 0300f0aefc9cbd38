#include "soak_texts.h"

#include <cstddef>

namespace {

// The longest name the soak types, in characters.
constexpr std::size_t kLongNameCharacters = 10'000;

// Characters of one to four bytes, a blank and a tab.
constexpr const char* kCharacters[] = {"a",  "Z",  "7",  " ",  "\t", "-",    "\\",          "é",
                                       "豆", "珠", "算", "　", "😀",  "🧮", "\xE2\x80\x8D"};

// Single characters and emoji sequences, a combining mark and a joined family among them.
constexpr const char* kEmoji[] = {"😀",         "🧮🎉", "👨‍👩‍👧", "👍🏽", "🇨🇳",
                                  "e\xCC\x81", "★☆"};

// `count` characters drawn from all kinds.
std::string mixedText(std::size_t count, SoakRandom& random) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += random.pick(kCharacters);
    return text;
}

// One to twelve decimal digits.
std::string digits(SoakRandom& random) {
    std::string text;
    const std::size_t count = 1 + random.below(12);
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('0' + random.below(10));
    return text;
}

}  // namespace

std::string randomName(SoakRandom& random) {
    switch (random.below(8)) {
        case 0:
            return "";
        case 1:
            return "豆 豆";
        case 2:
            return digits(random);
        case 3:
            return random.pick(kEmoji);
        case 4:
            return random.chance(200) ? mixedText(kLongNameCharacters, random)
                                      : mixedText(21 + random.below(40), random);
        case 5:
            return "   ";
        default:
            return mixedText(1 + random.below(12), random);
    }
}

std::string randomListText(const Element& list, SoakRandom& random) {
    if (!list.items.empty() && random.chance(500)) {
        return list.items[random.below(list.items.size())];
    }
    return random.chance(300) ? digits(random) : mixedText(random.below(6), random);
}
