// Reading replay scripts at and beyond their limits: dates, times and numbers that do not
// fit are refused instead of cut down, lines end at any of the three line ends, error
// quotes stay short and whole, typed text must be UTF-8, printed texts read back unambiguously, and
// the clock never leaves the years it can show.

#include "replay_parsing.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "headless/settable_clock.h"
#include "replay_printer.h"

namespace {

constexpr long long kLongMin = std::numeric_limits<long long>::min();
constexpr long long kLongMax = std::numeric_limits<long long>::max();

std::string describe(const std::optional<LocalDateTime>& moment) {
    if (!moment) return "refused";
    return std::to_string(moment->year) + "-" + std::to_string(moment->month) + "-" +
           std::to_string(moment->day) + " " + std::to_string(moment->hour) + ":" +
           std::to_string(moment->minute) + ":" + std::to_string(moment->second);
}

TEST(ParseMoment, TakesRealDatesOfFourDigitYearsAndRefusesAllElse) {
    struct Case {
        const char* date;
        const char* time;
        const char* expected;
    };
    const Case cases[] = {
        {"2026-09-01", "08:00:00", "2026-9-1 8:0:0"},
        {"1-1-1", "0:0:0", "1-1-1 0:0:0"},
        {"0001-01-01", "00:00:00", "1-1-1 0:0:0"},
        {"9999-12-31", "23:59:59", "9999-12-31 23:59:59"},
        {"2028-02-29", "12:30:45", "2028-2-29 12:30:45"},
        {"0000-01-01", "00:00:00", "refused"},
        {"10000-01-01", "00:00:00", "refused"},
        {"65536-01-01", "00:00:00", "refused"},
        {"99999-01-01", "00:00:00", "refused"},
        {"2147483647-01-01", "00:00:00", "refused"},
        {"99999999999999999999-01-01", "00:00:00", "refused"},
        {"2026-00-01", "00:00:00", "refused"},
        {"2026-13-01", "00:00:00", "refused"},
        {"2026-4294967297-01", "00:00:00", "refused"},
        {"2026-02-29", "00:00:00", "refused"},
        {"2026-04-31", "00:00:00", "refused"},
        {"2026-01-00", "00:00:00", "refused"},
        {"2026-01-01", "24:00:00", "refused"},
        {"2026-01-01", "00:60:00", "refused"},
        {"2026-01-01", "00:00:60", "refused"},
        {"+2026-01-01", "00:00:00", "refused"},
        {"2026-+1-01", "00:00:00", "refused"},
        {"2026--1-01", "00:00:00", "refused"},
        {"-2026-01-01", "00:00:00", "refused"},
        {"2026-01-01", "-1:00:00", "refused"},
        {"2026-01-01", "+8:00:00", "refused"},
        {"2026-01-01", "08:00:00:00", "refused"},
        {"2026-01-01", "08:00:00x", "refused"},
        {"2026-01-01", "08:00", "refused"},
        {"2026-01-01", "08:00:", "refused"},
        {"2026-01-01x", "08:00:00", "refused"},
        {"2026-01-01-01", "08:00:00", "refused"},
        {"2026/01/01", "08:00:00", "refused"},
        {"", "", "refused"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(parseMoment(c.date, c.time)), c.expected) << c.date << " " << c.time;
    }
}

TEST(ParseWholeNumber, TakesDigitsWithinTheRangeAndRefusesAllElse) {
    struct Case {
        const char* text;
        long long lowest;
        long long highest;
        std::optional<long long> expected;
    };
    const Case cases[] = {
        {"0", 0, 1'000'000, 0},
        {"1000000", 0, 1'000'000, 1'000'000},
        {"1000001", 0, 1'000'000, std::nullopt},
        {"2147483647", 0, 1'000'000, std::nullopt},
        {"-1", 0, 1'000'000, std::nullopt},
        {"-0", 0, 1'000'000, std::nullopt},
        {"+1", 0, 1'000'000, std::nullopt},
        {"4294967295", 0, 4294967295, 4294967295},
        {"4294967296", 0, 4294967295, std::nullopt},
        {"9223372036854775807", kLongMin, kLongMax, kLongMax},
        {"-9223372036854775808", kLongMin, kLongMax, kLongMin},
        {"9223372036854775808", kLongMin, kLongMax, std::nullopt},
        {"-9223372036854775809", kLongMin, kLongMax, std::nullopt},
        {"-", kLongMin, kLongMax, std::nullopt},
        {"--1", kLongMin, kLongMax, std::nullopt},
        {"1 ", kLongMin, kLongMax, std::nullopt},
        {"12x", kLongMin, kLongMax, std::nullopt},
        {"0x10", kLongMin, kLongMax, std::nullopt},
        {"", kLongMin, kLongMax, std::nullopt},
        {"3", 0, -1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseWholeNumber(c.text, c.lowest, c.highest), c.expected) << c.text;
    }
}

TEST(ScriptLineReader, EndsLinesAtLineFeedCarriageReturnOrBothAsOne) {
    std::stringstream input("a\nb\rc\r\nd\r\re\n\nf");
    ScriptLineReader reader(*input.rdbuf());
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e", "", "f"}));

    std::stringstream endsInCarriageReturn("a\r");
    ScriptLineReader second(*endsInCarriageReturn.rdbuf());
    std::string line;
    EXPECT_TRUE(second.next(line));
    EXPECT_EQ(line, "a");
    EXPECT_FALSE(second.next(line));
}

TEST(CommandWords, LeavesTheRestOfTheLineWithItsBlanks) {
    CommandWords words("type\tText1  two  blanks ");
    EXPECT_EQ(words.next(), "type");
    EXPECT_EQ(words.next(), "Text1");
    EXPECT_EQ(words.rest(), " two  blanks ");
    EXPECT_FALSE(words.atEnd());
    EXPECT_EQ(words.next(), "two");
    EXPECT_EQ(words.next(), "blanks");
    EXPECT_TRUE(words.atEnd());
    EXPECT_EQ(words.next(), "");
}

TEST(QuotedWord, KeepsAtMostSixtyWholeCharacters) {
    EXPECT_EQ(quotedWord("Command5"), "'Command5'");
    EXPECT_EQ(quotedWord(std::string(60, 'x')), "'" + std::string(60, 'x') + "'");
    EXPECT_EQ(quotedWord(std::string(10'000'000, 'x')), "'" + std::string(60, 'x') + "'...");

    std::string wide;
    for (int i = 0; i < 61; ++i) wide += "好";
    EXPECT_EQ(quotedWord(wide), "'" + wide.substr(0, 60 * 3) + "'...");
    EXPECT_EQ(quotedWord(std::string(59, 'x') + "好好"), "'" + std::string(59, 'x') + "好'...");
    // Stray continuation bytes still end a character after four bytes.
    EXPECT_EQ(quotedWord(std::string(1000, '\x80')).size(), 2 + 60 * 4 + 3u);
}

TEST(IsValidUtf8, TakesWholeCharactersUpToTheLastCodePointAndNothingElse) {
    for (const char* text : {"", "Command5", "豆 豆", "😀🧮", "e\xCC\x81", "\x7F", "\xC2\x80",
                             "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(isValidUtf8(text)) << text;
    }
    for (const char* text :
         {"\x80", "\xFF", "\xFE", "abc\xC3", "\xE8\xB1", "\xE8x\xB1", "\xC0\xAF", "\xC1\xBF",
          "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80",
          "\xF5\x80\x80\x80", "\xF0\x9F\x98"}) {
        EXPECT_FALSE(isValidUtf8(text)) << text;
    }
}

TEST(OneLine, WritesBackslashesAndLineEndsSoThatNoTwoTextsLookAlike) {
    EXPECT_EQ(oneLine("a\nb"), "a\\nb");
    EXPECT_EQ(oneLine("a\\nb"), "a\\\\nb");
    EXPECT_EQ(oneLine("a\r\nb"), "a\\r\\nb");
    EXPECT_EQ(oneLine("\\"), "\\\\");
    EXPECT_EQ(oneLine("珠算 心算"), "珠算 心算");
}

TEST(SettableClock, AdvancesToTheEdgesOfYearsOneAndNineThousandNineHundredNinetyNine) {
    SettableClock clock;
    clock.set({9999, 12, 31, 23, 59, 58});
    EXPECT_TRUE(clock.advance(1));
    EXPECT_EQ(describe(clock.now()), "9999-12-31 23:59:59");
    for (const long long seconds : {1LL, 999'999'999'999LL, kLongMax}) {
        EXPECT_FALSE(clock.advance(seconds)) << seconds;
        EXPECT_EQ(describe(clock.now()), "9999-12-31 23:59:59");
    }

    clock.set({1, 1, 1, 0, 0, 1});
    EXPECT_TRUE(clock.advance(-1));
    EXPECT_EQ(describe(clock.now()), "1-1-1 0:0:0");
    for (const long long seconds : {-1LL, kLongMin}) {
        EXPECT_FALSE(clock.advance(seconds)) << seconds;
        EXPECT_EQ(describe(clock.now()), "1-1-1 0:0:0");
    }

    EXPECT_TRUE(clock.advance(315'537'897'599LL));
    EXPECT_EQ(describe(clock.now()), "9999-12-31 23:59:59");
}

}  // namespace
