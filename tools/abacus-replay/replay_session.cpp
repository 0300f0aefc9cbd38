#include "replay_session.h"

#include <charconv>
#include <chrono>
#include <filesystem>
#include <sstream>

#include "replay_printer.h"
#include "ui/dispatch.h"

namespace {

// Reads a whole decimal number; false when the text is not one.
template <typename Number>
bool parseNumber(const std::string& text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end;
}

// Splits "YYYY-MM-DD HH:MM:SS" into a date and time; false unless both are real ones.
bool parseMoment(const std::string& date, const std::string& time, LocalDateTime& moment) {
    char dash1 = 0, dash2 = 0, colon1 = 0, colon2 = 0;
    std::istringstream dateIn(date), timeIn(time);
    dateIn >> moment.year >> dash1 >> moment.month >> dash2 >> moment.day;
    timeIn >> moment.hour >> colon1 >> moment.minute >> colon2 >> moment.second;
    const std::chrono::year_month_day calendarDay{
        std::chrono::year{moment.year}, std::chrono::month{static_cast<unsigned>(moment.month)},
        std::chrono::day{static_cast<unsigned>(moment.day)}};
    return dateIn && timeIn && dash1 == '-' && dash2 == '-' && colon1 == ':' && colon2 == ':' &&
           moment.month >= 1 && moment.day >= 1 && calendarDay.ok() && moment.hour >= 0 &&
           moment.hour < 24 && moment.minute >= 0 && moment.minute < 60 && moment.second >= 0 &&
           moment.second < 60;
}

// The folder of the running program, where the help file is looked for.
std::string programFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

}  // namespace

void ReplayRandom::randomize() {
    if (!seeded_) generator_.randomize();
}

void ReplayRandom::seed(std::uint32_t value) {
    generator_ = UniformRandom(value);
    seeded_ = true;
}

ReplaySession::ReplaySession() : window_(services_.bind(random_, metrics_, programFolder())) {
    dispatch(window_, Event{EventKind::Load, {}, -1, {}});
}

std::optional<std::vector<std::string>> ReplaySession::run(const std::string& line,
                                                           std::string& error) {
    std::istringstream in(line);
    std::string command, name;
    in >> command;
    if (command.empty() || command[0] == '#') return std::vector<std::string>{};
    const auto unknownElement = [&]() -> std::optional<std::vector<std::string>> {
        error = "unknown element '" + name + "'";
        return std::nullopt;
    };
    const auto badArguments = [&]() -> std::optional<std::vector<std::string>> {
        error = "bad arguments for '" + command + "'";
        return std::nullopt;
    };

    if (command == "seed") {
        std::string value;
        std::uint32_t seed = 0;
        if (!(in >> value) || !parseNumber(value, seed)) return badArguments();
        random_.seed(seed);
    } else if (command == "clock") {
        std::string date, time;
        LocalDateTime moment;
        if (!(in >> date >> time) || !parseMoment(date, time, moment)) return badArguments();
        services_.clock.set(moment);
    } else if (command == "advance") {
        std::string value;
        long long seconds = 0;
        if (!(in >> value) || !parseNumber(value, seconds)) return badArguments();
        services_.clock.advance(seconds);
    } else if (command == "click") {
        if (!(in >> name)) return badArguments();
        if (findElement(window_, name) == nullptr) return unknownElement();
        dispatch(window_, Event{EventKind::Click, name, -1, {}});
    } else if (command == "choose") {
        std::string value;
        int index = 0;
        if (!(in >> name >> value) || !parseNumber(value, index)) return badArguments();
        const Element* list = findElement(window_, name);
        if (list == nullptr) return unknownElement();
        if (list->kind != ElementKind::ComboBox) return badArguments();
        dispatch(window_, Event{EventKind::Choose, name, index, {}});
    } else if (command == "type") {
        if (!(in >> name)) return badArguments();
        const Element* box = findElement(window_, name);
        if (box == nullptr) return unknownElement();
        if (box->kind != ElementKind::TextBox && box->kind != ElementKind::ComboBox) {
            return badArguments();
        }
        std::string text;
        std::getline(in, text);
        if (!text.empty() && text[0] == ' ') text.erase(0, 1);
        dispatch(window_, Event{EventKind::Type, name, -1, text});
    } else if (command == "tick") {
        std::string value = "1";
        int times = 0;
        if (!(in >> name)) return badArguments();
        in >> value;
        if (!parseNumber(value, times) || times < 0) return badArguments();
        const Element* timer = findElement(window_, name);
        if (timer == nullptr) return unknownElement();
        if (timer->kind != ElementKind::Timer) return badArguments();
        for (int i = 0; i < times; ++i) dispatch(window_, Event{EventKind::Tick, name, -1, {}});
    } else if (command == "answer") {
        std::string answer;
        in >> answer;
        if (answer == "yes") {
            services_.dialogs.queueAnswer(DialogAnswer::Yes);
        } else if (answer == "no") {
            services_.dialogs.queueAnswer(DialogAnswer::No);
        } else if (answer == "ok") {
            services_.dialogs.queueAnswer(DialogAnswer::Ok);
        } else {
            return badArguments();
        }
    } else if (command == "close") {
        dispatch(window_, Event{EventKind::Close, {}, -1, {}});
    } else if (command == "print") {
        if (!(in >> name)) return badArguments();
        return print(name, error);
    } else {
        error = "unknown command '" + command + "'";
        return std::nullopt;
    }
    return std::vector<std::string>{};
}

std::optional<std::vector<std::string>> ReplaySession::print(const std::string& what,
                                                             std::string& error) {
    if (what == "state") return describeState(window_.state);
    if (what == "closed") return std::vector<std::string>{window_.closed ? "closed 1" : "closed 0"};
    if (what == "sounds") {
        std::vector<std::string> lines{
            "sounds " + std::to_string(services_.sound.played.size() - soundsPrinted_)};
        for (std::size_t i = soundsPrinted_; i < services_.sound.played.size(); ++i) {
            lines.push_back(std::to_string(services_.sound.played[i]));
        }
        soundsPrinted_ = services_.sound.played.size();
        return lines;
    }
    if (what == "dialogs") {
        std::vector<std::string> lines{
            "dialogs " + std::to_string(services_.dialogs.shown.size() - dialogsPrinted_)};
        for (std::size_t i = dialogsPrinted_; i < services_.dialogs.shown.size(); ++i) {
            lines.push_back(oneLine(services_.dialogs.shown[i]));
        }
        dialogsPrinted_ = services_.dialogs.shown.size();
        return lines;
    }
    const Element* element = findElement(window_, what);
    if (element == nullptr) {
        error = "unknown element '" + what + "'";
        return std::nullopt;
    }
    if (what == "List1") return describeList(what, *element);
    return std::vector<std::string>{describeElement(what, *element)};
}
