// Chinese number readings: the table every child hears, each reading rule, and every number
// read back by a parser of its own, in characters and in pinyin.

#include "listening/number_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The characters of a reading; every one of them is three bytes in UTF-8.
std::vector<std::string_view> charactersOf(std::string_view reading) {
    std::vector<std::string_view> characters;
    for (std::size_t at = 0; at + 3 <= reading.size(); at += 3) {
        characters.push_back(reading.substr(at, 3));
    }
    return characters;
}

// The value a reading in characters says, or -1 for a character that is no number word.
std::int64_t parseChinese(std::string_view reading) {
    static const std::map<std::string_view, int> digits{{"零", 0}, {"一", 1}, {"二", 2}, {"两", 2},
                                                        {"三", 3}, {"四", 4}, {"五", 5}, {"六", 6},
                                                        {"七", 7}, {"八", 8}, {"九", 9}};
    static const std::map<std::string_view, int> units{{"十", 10}, {"百", 100}, {"千", 1000}};
    std::int64_t total = 0, section = 0, digit = 0;
    for (const std::string_view character : charactersOf(reading)) {
        if (const auto found = digits.find(character); found != digits.end()) {
            digit = found->second;
        } else if (const auto unit = units.find(character); unit != units.end()) {
            section += (digit == 0 && unit->second == 10 ? 1 : digit) * unit->second;
            digit = 0;
        } else if (character == "万") {
            total = (section + digit) * 10000;
            section = digit = 0;
        } else {
            return -1;
        }
    }
    return total + section + digit;
}

// The reading in characters that tone-numbered pinyin spells, "?" for an unknown syllable.
std::string pinyinToChinese(std::string_view pinyin) {
    static const std::map<std::string_view, std::string_view> syllables{
        {"ling2", "零"},  {"yi1", "一"},  {"yi2", "一"},  {"yi4", "一"},  {"er4", "二"},
        {"liang3", "两"}, {"san1", "三"}, {"si4", "四"},  {"wu3", "五"},  {"liu4", "六"},
        {"qi1", "七"},    {"ba1", "八"},  {"jiu3", "九"}, {"shi2", "十"}, {"bai3", "百"},
        {"qian1", "千"},  {"wan4", "万"}, {"wu2", "五"},  {"jiu2", "九"}, {"liang2", "两"},
        {"bai2", "百"}};
    std::string chinese;
    while (!pinyin.empty()) {
        const std::size_t end = std::min(pinyin.find(' '), pinyin.size());
        const auto found = syllables.find(pinyin.substr(0, end));
        chinese += found == syllables.end() ? "?" : found->second;
        pinyin.remove_prefix(std::min(end + 1, pinyin.size()));
    }
    return chinese;
}

// The runs of zeros in the number's digits that a non-zero digit follows: the 零s it is read with,
// but for a run ending the part before 万 right before its thousands (四十万五千).
int innerZeroRuns(std::int32_t number) {
    const std::string digits = std::to_string(number);
    int runs = 0;
    for (std::size_t at = 1; at < digits.size(); ++at) {
        const bool runEnds = digits[at] != '0' && digits[at - 1] == '0';
        const bool thousandsAfterWan = digits.size() - at == 4;
        if (runEnds && !thousandsAfterWan) ++runs;
    }
    return runs;
}

// Checks one number: both readings say it, the pinyin spells the characters syllable by
// syllable, and the rules hold that a parser forgives: the count of 零, no 零 at the end, 两 and a
// leading 十 exactly where they belong, a digit before every other 十, 百 and 千.
void checkReading(std::int32_t number) {
    const std::string chinese = chineseReading(number);
    const std::string pinyin = pinyinReading(number);
    const auto reading = [&] { return std::to_string(number) + " " + chinese + " " + pinyin; };
    ASSERT_EQ(parseChinese(chinese), number) << reading();
    ASSERT_EQ(pinyinToChinese(pinyin), chinese) << reading();
    ASSERT_EQ(pinyin.find("  "), std::string::npos) << reading();
    ASSERT_NE(pinyin.back(), ' ') << reading();
    // 一 takes the second tone before 万, the fourth before 十, 百 and 千, and stays yi1 else.
    std::vector<std::string> syllables;
    for (std::size_t at = 0; at <= pinyin.size();) {
        const std::size_t end = std::min(pinyin.find(' ', at), pinyin.size());
        syllables.push_back(pinyin.substr(at, end - at));
        at = end + 1;
    }
    for (std::size_t at = 0; at < syllables.size(); ++at) {
        if (syllables[at].rfind("yi", 0) != 0) continue;
        const std::string next = at + 1 < syllables.size() ? syllables[at + 1] : "";
        const char* tone = next == "wan4"                                                 ? "yi2"
                           : next == "shi2" || next.starts_with("bai") || next == "qian1" ? "yi4"
                                                                                          : "yi1";
        ASSERT_EQ(syllables[at], tone) << reading();
    }
    // A third tone (五, 九, 两, 百) takes the second before a third tone and only there.
    for (std::size_t at = 0; at < syllables.size(); ++at) {
        const std::string& syllable = syllables[at];
        const std::string base = syllable.substr(0, syllable.size() - 1);
        const bool third = base == "wu" || base == "jiu" || base == "liang" || base == "bai";
        if (!third) {
            ASSERT_NE(syllable.back(), '3') << reading();
            continue;
        }
        const std::string next = at + 1 < syllables.size() ? syllables[at + 1] : "";
        const bool nextThird = next.starts_with("wu") || next.starts_with("jiu") ||
                               next.starts_with("liang") || next.starts_with("bai");
        ASSERT_EQ(syllable.back(), nextThird ? '2' : '3') << reading();
    }
    // Read with 二, the same number has no 两 and reads back the same.
    const std::string withEr = chineseReading(number, LeadingTwo::Er);
    ASSERT_EQ(withEr.find("两"), std::string::npos) << reading();
    ASSERT_EQ(parseChinese(withEr), number) << withEr;
    ASSERT_EQ(pinyinToChinese(pinyinReading(number, LeadingTwo::Er)), withEr) << withEr;

    const std::vector<std::string_view> characters = charactersOf(chinese);
    const std::string digits = std::to_string(number);
    int zeros = 0, twos = 0;
    for (const std::string_view character : characters) {
        zeros += character == "零";
        twos += character == "两";
    }
    ASSERT_EQ(zeros, number == 0 ? 1 : innerZeroRuns(number)) << reading();
    if (number != 0) {
        ASSERT_NE(characters.back(), "零") << reading();
    }

    const std::size_t length = digits.size();
    const bool leadingTwoBeforeUnit = digits[0] == '2' && length != 1 && length != 2 && length != 6;
    ASSERT_EQ(twos, leadingTwoBeforeUnit ? 1 : 0) << reading();
    if (twos == 1) {
        ASSERT_EQ(characters.front(), "两") << reading();
    }

    const bool leadingTen = digits[0] == '1' && (length == 2 || length == 6);
    ASSERT_EQ(characters.front() == "十", leadingTen) << reading();
    for (std::size_t at = 1; at < characters.size(); ++at) {
        const bool unit =
            characters[at] == "十" || characters[at] == "百" || characters[at] == "千";
        const std::string_view before = characters[at - 1];
        const bool afterDigit =
            before != "零" && before != "十" && before != "百" && before != "千" && before != "万";
        ASSERT_TRUE(!unit || afterDigit) << reading();
    }
}

TEST(NumberReading, ReadsTheTableChildrenHear) {
    const std::map<std::int32_t, std::string> table{{0, "零"},
                                                    {7, "七"},
                                                    {10, "十"},
                                                    {15, "十五"},
                                                    {20, "二十"},
                                                    {100, "一百"},
                                                    {110, "一百一十"},
                                                    {101, "一百零一"},
                                                    {1008, "一千零八"},
                                                    {1408, "一千四百零八"},
                                                    {1050, "一千零五十"},
                                                    {10000, "一万"},
                                                    {10010, "一万零一十"},
                                                    {200, "两百"},
                                                    {2000, "两千"},
                                                    {20000, "两万"},
                                                    {222, "两百二十二"},
                                                    {12, "十二"},
                                                    {112, "一百一十二"},
                                                    {100005, "十万零五"},
                                                    {150000, "十五万"},
                                                    {405000, "四十万五千"},
                                                    {1'001'000, "一百万一千"},
                                                    {99'999'999, "九千九百九十九万九千九百九十九"}};
    for (const auto& [number, reading] : table) {
        EXPECT_EQ(chineseReading(number), reading) << number;
    }
}

TEST(NumberReading, SpellsTheSameReadingInTonedPinyin) {
    EXPECT_EQ(pinyinReading(1408), "yi4 qian1 si4 bai3 ling2 ba1");
    EXPECT_EQ(pinyinReading(100), "yi4 bai3");
    EXPECT_EQ(pinyinReading(10000), "yi2 wan4");
    EXPECT_EQ(pinyinReading(1), "yi1");
    EXPECT_EQ(pinyinReading(11), "shi2 yi1");
    EXPECT_EQ(pinyinReading(110), "yi4 bai3 yi4 shi2");
    EXPECT_EQ(pinyinReading(1001), "yi4 qian1 ling2 yi1");
    EXPECT_EQ(pinyinReading(110'000), "shi2 yi2 wan4");
    EXPECT_EQ(pinyinReading(11'111'111),
              "yi4 qian1 yi4 bai3 yi4 shi2 yi2 wan4 yi4 qian1 yi4 bai3 yi4 shi2 yi1");
    EXPECT_EQ(pinyinReading(2000, LeadingTwo::Er), "er4 qian1");
    EXPECT_EQ(chineseReading(20'002, LeadingTwo::Er), "二万零二");
    EXPECT_EQ(pinyinReading(0), "ling2");
    EXPECT_EQ(pinyinReading(12), "shi2 er4");
    EXPECT_EQ(pinyinReading(222), "liang2 bai3 er4 shi2 er4");
    EXPECT_EQ(pinyinReading(500), "wu2 bai3");
    EXPECT_EQ(pinyinReading(550), "wu2 bai2 wu3 shi2");
    EXPECT_EQ(pinyinReading(9999), "jiu3 qian1 jiu2 bai2 jiu3 shi2 jiu3");
    EXPECT_EQ(pinyinReading(5005), "wu3 qian1 ling2 wu3");
    EXPECT_EQ(pinyinReading(1250, LeadingTwo::Er), "yi4 qian1 er4 bai2 wu3 shi2");
    EXPECT_EQ(pinyinReading(59'000), "wu3 wan4 jiu3 qian1");
    EXPECT_EQ(pinyinReading(150000), "shi2 wu3 wan4");
    EXPECT_EQ(pinyinReading(100005), "shi2 wan4 ling2 wu3");
    EXPECT_EQ(pinyinReading(405000), "si4 shi2 wan4 wu3 qian1");
    EXPECT_EQ(pinyinReading(36'790'000), "san1 qian1 liu4 bai3 qi1 shi2 jiu3 wan4");
}

TEST(NumberReading, SaysOneZeroForEachRunBetweenDigitsAndNoneAtTheEnd) {
    EXPECT_EQ(chineseReading(1001), "一千零一");
    EXPECT_EQ(chineseReading(1000), "一千");
    EXPECT_EQ(chineseReading(1'200'000), "一百二十万");
    EXPECT_EQ(chineseReading(10'000'005), "一千万零五");
    EXPECT_EQ(chineseReading(20'030'004), "两千零三万零四");
    EXPECT_EQ(chineseReading(1'001'000), "一百万一千");
    EXPECT_EQ(chineseReading(1'000'500), "一百万零五百");
    EXPECT_EQ(chineseReading(20'005'000), "两千万五千");
    EXPECT_EQ(chineseReading(10'101'010), "一千零一十万一千零一十");
    EXPECT_EQ(chineseReading(30'500'060), "三千零五十万零六十");
    EXPECT_EQ(chineseReading(100'010), "十万零一十");
}

TEST(NumberReading, SaysTenAloneOnlyForALeadingOneInTheTensBelowTwenty) {
    EXPECT_EQ(chineseReading(19), "十九");
    EXPECT_EQ(chineseReading(100'000), "十万");
    EXPECT_EQ(chineseReading(110'000), "十一万");
    EXPECT_EQ(chineseReading(190'019), "十九万零一十九");
    EXPECT_EQ(chineseReading(210), "两百一十");
    EXPECT_EQ(chineseReading(10'010), "一万零一十");
    EXPECT_EQ(chineseReading(1'010'000), "一百零一万");
    EXPECT_EQ(chineseReading(1'100'000), "一百一十万");
    EXPECT_EQ(chineseReading(10'100'000), "一千零一十万");
}

TEST(NumberReading, SaysLiangOnlyForALeadingTwoBeforeHundredsThousandsOrWan) {
    EXPECT_EQ(chineseReading(2), "二");
    EXPECT_EQ(chineseReading(22), "二十二");
    EXPECT_EQ(chineseReading(1200), "一千二百");
    EXPECT_EQ(chineseReading(12'000), "一万二千");
    EXPECT_EQ(chineseReading(22'000), "两万二千");
    EXPECT_EQ(chineseReading(200'000), "二十万");
    EXPECT_EQ(chineseReading(220'000), "二十二万");
    EXPECT_EQ(chineseReading(2'000'000), "两百万");
    EXPECT_EQ(chineseReading(20'000'000), "两千万");
    EXPECT_EQ(chineseReading(2'222'222), "两百二十二万二千二百二十二");
    EXPECT_EQ(chineseReading(20'002), "两万零二");
}

TEST(NumberReading, HasNoReadingOutsideEightDigits) {
    for (const std::int32_t number :
         {-1, -1408, 100'000'000, std::numeric_limits<std::int32_t>::max(),
          std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(chineseReading(number), "") << number;
        EXPECT_EQ(pinyinReading(number), "") << number;
    }
}

TEST(NumberReading, EveryNumberUpToThirtyThousandReadsBack) {
    for (std::int32_t number = 0; number <= 30'000; ++number) {
        checkReading(number);
        if (HasFatalFailure()) return;
    }
}

// Random numbers of one to eight digits, half of their digits zero so that runs of zeros on
// both sides of 万 come up often.
TEST(NumberReading, RandomEightDigitNumbersReadBack) {
    constexpr int kSeeds = 40;
    constexpr int kNumbersPerSeed = 2500;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> length(1, 8), digit(1, 9), coin(0, 1);
        for (int draw = 0; draw < kNumbersPerSeed; ++draw) {
            std::int32_t number = digit(random);
            for (int place = length(random); place > 1; --place) {
                number = number * 10 + (coin(random) == 0 ? 0 : digit(random));
            }
            checkReading(number);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
