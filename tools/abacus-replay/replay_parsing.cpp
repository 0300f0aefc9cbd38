#include "replay_parsing.h"

#include <charconv>
#include <chrono>
#include <cstdint>

namespace {

// How much of a word an error message repeats, and the longest UTF-8 character.
constexpr std::size_t kQuotedCharacters = 60;
constexpr int kLongestCharacterBytes = 4;

// A blank or a tab, which separate the words of a command.
bool isWordBreak(char c) { return c == ' ' || c == '\t'; }

// A byte inside a UTF-8 character rather than at its start.
bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// At least one character, and every one of them a decimal digit.
bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Splits "A<sep>B<sep>C" into three numbers within their ranges; false otherwise.
bool parseThreeFields(std::string_view text, char separator, const long long (&lowest)[3],
                      const long long (&highest)[3], int (&fields)[3]) {
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find(separator) : text.size();
        if (end == std::string_view::npos) return false;
        const auto value = parseWholeNumber(text.substr(0, end), lowest[i], highest[i]);
        if (!value) return false;
        fields[i] = static_cast<int>(*value);
        text.remove_prefix(i < 2 ? end + 1 : end);
    }
    return true;
}

}  // namespace

bool ScriptLineReader::next(std::string& line) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    int c = input_.sbumpc();
    if (afterCarriageReturn_ && c == '\n') c = input_.sbumpc();
    afterCarriageReturn_ = false;
    if (c == Traits::eof()) return false;
    for (; c != Traits::eof(); c = input_.sbumpc()) {
        if (c == '\n') return true;
        if (c == '\r') {
            afterCarriageReturn_ = true;
            return true;
        }
        line += Traits::to_char_type(c);
    }
    return true;
}

std::string_view CommandWords::next() {
    std::size_t start = 0;
    while (start < rest_.size() && isWordBreak(rest_[start])) ++start;
    std::size_t end = start;
    while (end < rest_.size() && !isWordBreak(rest_[end])) ++end;
    const std::string_view word = rest_.substr(start, end - start);
    rest_.remove_prefix(end);
    return word;
}

std::string_view CommandWords::rest() const {
    return !rest_.empty() && isWordBreak(rest_[0]) ? rest_.substr(1) : rest_;
}

bool CommandWords::atEnd() const {
    for (const char c : rest_) {
        if (!isWordBreak(c)) return false;
    }
    return true;
}

std::optional<long long> parseWholeNumber(std::string_view text, long long lowest,
                                          long long highest) {
    const std::string_view digits = lowest < 0 && text.starts_with('-') ? text.substr(1) : text;
    if (!allDigits(digits)) return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<LocalDateTime> parseMoment(std::string_view date, std::string_view time) {
    int day[3];
    int clock[3];
    if (!parseThreeFields(date, '-', {1, 1, 1}, {9999, 12, 31}, day) ||
        !parseThreeFields(time, ':', {0, 0, 0}, {23, 59, 59}, clock)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day calendarDay{std::chrono::year{day[0]},
                                                  std::chrono::month{unsigned(day[1])},
                                                  std::chrono::day{unsigned(day[2])}};
    if (!calendarDay.ok()) return std::nullopt;
    return LocalDateTime{day[0], day[1], day[2], clock[0], clock[1], clock[2]};
}

namespace {

// The character that starts at `i` in `text`, with `i` moved past it; nullopt, with `i` left
// as it was, for a byte sequence that is not well-formed UTF-8.
std::optional<std::uint32_t> nextCharacter(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return text[i++];
    // The length of the sequence and the bits its first byte carries.
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size()) return std::nullopt;
    std::uint32_t point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (!isUtf8Continuation(text[i + k])) return std::nullopt;
        point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    if (overlong || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return std::nullopt;
    i += length;
    return point;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!nextCharacter(text, i)) return false;
    }
    return true;
}

std::string quotedWord(std::string_view word) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < word.size() && characters < kQuotedCharacters;
         ++characters) {
        ++end;
        for (int more = 1;
             more < kLongestCharacterBytes && end < word.size() && isUtf8Continuation(word[end]);
             ++more) {
            ++end;
        }
    }
    std::string text = "'" + std::string(word.substr(0, end)) + "'";
    if (end < word.size()) text += "...";
    return text;
}
