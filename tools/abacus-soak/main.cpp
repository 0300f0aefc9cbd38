// abacus-soak: random events into the headless trainer with its rules checked after each,
// or, with --fuzz-replay, a script of malformed lines for abacus-replay.

#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "replay_fuzz.h"
#include "soak_run.h"

namespace {

constexpr char kUsage[] =
    "usage: abacus-soak [--seed N] [--events N] [--script FILE] [--list FILE]\n"
    "       abacus-soak --fuzz-replay LINES [--seed N] --bad-lines FILE\n";

// A decimal number from 0 to `highest`, or nullopt.
std::optional<long long> wholeNumber(std::string_view text, long long highest) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

// Writes a fuzz script to standard output and the numbers of its bad lines to a file.
int writeFuzzScript(std::uint32_t seed, long lines, const std::string& badLinesPath) {
    const FuzzScript script = fuzzScript(seed, lines);
    std::ofstream badLines(badLinesPath, std::ios::trunc);
    for (const long number : script.badLines) badLines << number << '\n';
    std::cout.write(script.bytes.data(), static_cast<std::streamsize>(script.bytes.size()));
    return badLines && std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    std::optional<long long> fuzzLines;
    std::string badLinesPath;
    if (argc % 2 == 0) {
        std::cerr << kUsage;
        return 2;
    }
    for (int i = 1; i < argc; i += 2) {
        const std::string_view option = argv[i];
        const std::string value = argv[i + 1];
        bool understood = true;
        if (option == "--seed") {
            const auto seed = wholeNumber(value, std::numeric_limits<std::uint32_t>::max());
            understood = seed.has_value();
            options.seed = static_cast<std::uint32_t>(seed.value_or(0));
        } else if (option == "--events") {
            const auto events = wholeNumber(value, std::numeric_limits<long long>::max());
            understood = events.has_value();
            options.events = events.value_or(0);
        } else if (option == "--fuzz-replay") {
            fuzzLines = wholeNumber(value, std::numeric_limits<long>::max());
            understood = fuzzLines.has_value();
        } else if (option == "--script") {
            options.scriptPath = value;
        } else if (option == "--list") {
            options.listPath = value;
        } else if (option == "--bad-lines") {
            badLinesPath = value;
        } else {
            understood = false;
        }
        if (!understood) {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (fuzzLines) {
        if (badLinesPath.empty()) {
            std::cerr << kUsage;
            return 2;
        }
        return writeFuzzScript(options.seed, static_cast<long>(*fuzzLines), badLinesPath);
    }
    return runSoak(options, std::cout, std::cerr);
}
