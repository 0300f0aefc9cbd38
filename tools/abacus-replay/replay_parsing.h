#pragma once
// Reading replay scripts: their lines, the words of a command, and the dates, times and
// numbers in them, each refused when out of range rather than cut down to fit.

#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "model/services.h"

// Hands out a script line by line; a line feed, a carriage return, or a carriage return
// followed by a line feed each end one line. Never reads past the end of a line, so a
// program driving the replay through a pipe gets its answer at once.
class ScriptLineReader {
  public:
    explicit ScriptLineReader(std::streambuf& input) : input_(input) {}
    // The next line without its line end; false at the end of the input.
    bool next(std::string& line);

  private:
    std::streambuf& input_;
    bool afterCarriageReturn_ = false;
};

// The words of a command line, separated by blanks or tabs.
class CommandWords {
  public:
    explicit CommandWords(std::string_view line) : rest_(line) {}
    // The next word; empty when none is left.
    std::string_view next();
    // Everything after the blank that follows the last word read, blanks included.
    std::string_view rest() const;
    bool atEnd() const;

  private:
    std::string_view rest_;
};

// A decimal number from `lowest` to `highest`: digits only, with a leading '-' when
// `lowest` is below 0; nullopt for anything else.
std::optional<long long> parseWholeNumber(std::string_view text, long long lowest,
                                          long long highest);

// "YYYY-MM-DD" and "HH:MM:SS" as a real calendar date from year 1 to 9999 and a time of
// day; nullopt for anything else.
std::optional<LocalDateTime> parseMoment(std::string_view date, std::string_view time);

// True when `text` is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates and nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// A word quoted for an error message: at most its first 60 characters (never half of one),
// followed by ... when cut.
std::string quotedWord(std::string_view word);
