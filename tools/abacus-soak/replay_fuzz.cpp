#include "replay_fuzz.h"

#include <string_view>

#include "soak_random.h"

namespace {

// Elements that exist, and commands that are right as they stand.
constexpr const char* kElements[] = {
    "Command1(0)",   "Command1(7)",    "Command2",       "Command3",       "Command4",
    "Command5",      "Command6",       "Command8",       "Label28",        "Label31",
    "Label16",       "Picture16",      "Text1",          "Form1_main",     "List1",
    "help.Label2",   "help",           "Timer2",         "drill",          "drill.Command1",
    "drill.Timer1",  "drill.Text1",    "drill.List1",    "drill.Combo4",   "drill.Upper(4)",
    "drill.Label8",  "drill.Command2", "drill.Command3", "Timer4",         "Label40",
    "drill.Combo6",  "drill.BeadNext", "drill.Upper(3)", "drill.Command7", "drill.Command8",
    "drill.Command9"};
constexpr const char* kGoodLines[] = {"tick Timer1",
                                      "menu Form1_main 闪电心算…",
                                      "menu Form1_main 放大",
                                      "tick drill.Timer1 3",
                                      "key drill Return",
                                      "key drill Escape",
                                      "print drills",
                                      "print voice",
                                      "print book",
                                      "tick Timer2 5",
                                      "tick Timer3 0",
                                      "advance 5",
                                      "advance -5",
                                      "answer yes",
                                      "answer no",
                                      "answer ok",
                                      "seed 0",
                                      "seed 4294967295",
                                      "clock 2027-01-02 03:04:05",
                                      "clock 2028-02-29 23:59:59",
                                      "print state",
                                      "print List1",
                                      "print sounds",
                                      "print dialogs",
                                      "print closed",
                                      "close",
                                      "choose Combo1 6",
                                      "choose Combo2 3",
                                      "choose Combo3 0",
                                      "choose Combo4 1",
                                      "",
                                      " \t ",
                                      "#",
                                      "  # a comment",
                                      "type Text1",
                                      "type Combo2 7",
                                      "choose Combo1 3",
                                      "choose Combo1 4",
                                      "click Command1(7)",
                                      "tick Timer4 4",
                                      "menu Form1_main 拨珠练习…",
                                      "click drill.Command1",
                                      "click drill.Lower2(3)",
                                      "key drill Page_Down",
                                      "click drill.BeadNext",
                                      "teacher not a line",
                                      "print class",
                                      "print class-learner 豆 豆",
                                      "print outbox"};

// Lines that abacus-replay must refuse: unknown words, missing, extra, wrong or oversized
// arguments, impossible dates, and text that is not UTF-8.
constexpr const char* kBadLines[] = {"frobnicate",
                                     "Click Command4",
                                     "CLOSE",
                                     "click",
                                     "choose",
                                     "choose Combo1",
                                     "type",
                                     "tick",
                                     "seed",
                                     "clock",
                                     "clock 2026-01-01",
                                     "advance",
                                     "answer",
                                     "print",
                                     "print element",
                                     "close now",
                                     "click Command4 extra",
                                     "seed 1 2",
                                     "tick Timer1 1 1",
                                     "answer ok ok",
                                     "print state x",
                                     "print voice x",
                                     "teacher",
                                     "print class-learner",
                                     "advance 1 2",
                                     "choose Combo1 0 0",
                                     "seed 4294967296",
                                     "seed 99999999999999999999999",
                                     "seed -1",
                                     "seed +1",
                                     "tick Timer1 1000001",
                                     "tick Timer2 99999999999999999999",
                                     "advance 999999999999",
                                     "advance 99999999999999999999999",
                                     "advance --1",
                                     "choose Combo1 7",
                                     "choose Combo1 -1",
                                     "choose Combo1 18446744073709551616",
                                     "choose Label4 1",
                                     "type Command4 x",
                                     "tick Combo1",
                                     "tick Label4",
                                     "click NoSuchElement",
                                     "click Command1(10)",
                                     "click help.NoSuch",
                                     "click drill.NoSuch",
                                     "menu Form1_main 闪电心算",
                                     "key drill",
                                     "key drill Return Return",
                                     "choose drill.Combo4 12",
                                     "print NoSuch",
                                     "answer maybe",
                                     "clock 2026-02-30 00:00:00",
                                     "clock 2026-01-01 24:00:00",
                                     "clock 0-01-01 00:00:00",
                                     "clock 10000-01-01 00:00:00",
                                     "clock 2026-01-01 08:00",
                                     "clock 2026-1-1x 0:0:0",
                                     "type Text1 \xFF",
                                     "type Text1 abc\xC3",
                                     "type Text1 \xED\xA0\x80",
                                     "type Text1 \xC0\xAF",
                                     "type Combo3 \xF5\x80\x80\x80",
                                     "click Command\xFF",
                                     "\xFE\xFF",
                                     "click Command4\x01"};

// Bytes that may stand anywhere inside a line: anything but a line feed or carriage return.
char anyByte(SoakRandom& random) {
    char byte = '\n';
    while (byte == '\n' || byte == '\r') byte = static_cast<char>(random.below(256));
    return byte;
}

// A word of random bytes that no command starts with.
std::string unknownCommand(SoakRandom& random) {
    std::string line(1, "!?\xFF\x01Z"[random.below(5)]);
    const std::size_t length = random.chance(20) ? 200'000 : random.below(80);
    for (std::size_t i = 0; i < length; ++i) line += anyByte(random);
    return line;
}

// A good line: a known command on a real element, or one of the fixed good lines, words
// separated by blanks or tabs.
std::string goodLine(SoakRandom& random) {
    const std::string_view separator = random.chance(200) ? "\t" : random.chance(200) ? "  " : " ";
    switch (random.below(4)) {
        case 0:
            return std::string("click") + std::string(separator) + random.pick(kElements);
        case 1: {
            const std::size_t length = random.chance(20) ? 100'000 : random.below(30);
            std::string text;
            for (std::size_t i = 0; i < length; ++i) text += random.chance(100) ? "豆" : "a";
            return "type Text1 " + text;
        }
        case 2:
            return "print" + std::string(separator) + random.pick(kElements);
        default:
            return random.pick(kGoodLines);
    }
}

// A bad line: a fixed one, an unknown command, or a good command with a word too many.
std::string badLine(SoakRandom& random) {
    switch (random.below(4)) {
        case 0:
            return unknownCommand(random);
        case 1:
            return std::string("click ") + random.pick(kElements) + " " +
                   std::string(random.chance(50) ? 300'000 : 1 + random.below(5), 'y');
        default:
            return random.pick(kBadLines);
    }
}

// The end of a line; after a lone carriage return an empty line must not end in a bare line
// feed, which would only complete the carriage return's line end.
std::string_view lineEnd(SoakRandom& random, bool emptyLine, bool afterCarriageReturn) {
    constexpr std::string_view kEnds[] = {"\n", "\r", "\r\n"};
    std::string_view end = kEnds[random.below(3)];
    if (emptyLine && afterCarriageReturn && end == "\n") end = "\r\n";
    return end;
}

}  // namespace

FuzzScript fuzzScript(std::uint64_t seed, long lineCount) {
    SoakRandom random(seed);
    FuzzScript script;
    bool afterCarriageReturn = false;
    for (long number = 1; number <= lineCount; ++number) {
        const bool bad = random.chance(500);
        const std::string line = bad ? badLine(random) : goodLine(random);
        if (bad) script.badLines.push_back(number);
        script.bytes += line;
        if (number == lineCount && !line.empty() && random.chance(500)) break;
        const std::string_view end = lineEnd(random, line.empty(), afterCarriageReturn);
        script.bytes += end;
        afterCarriageReturn = end == "\r";
    }
    return script;
}
