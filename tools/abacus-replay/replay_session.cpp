#include "replay_session.h"

#include <filesystem>
#include <limits>
#include <set>
#include <utility>

#include "demonstration/drill/demonstration_room.h"
#include "history/class_server/teacher_reading.h"
#include "history/history_menu.h"
#include "history/history_writer.h"
#include "history/learner_names.h"
#include "history/run_journal.h"
#include "history/sqlite/history_file.h"
#include "history/sqlite/queued_records.h"
#include "history/stored_moment.h"
#include "replay_class.h"
#include "replay_history_printer.h"
#include "replay_parsing.h"
#include "replay_printer.h"
#include "ui/dispatch.h"
#include "ui/main_menu.h"

namespace {

// What print class and print class-learner show before a teacher has logged in.
constexpr char kNoTeacher[] = "请先用“教师登录…”登录。";

// The menu bar's item that opens the practice room on 演示.
constexpr char kDemonstrationItem[] = "演示与口诀…";

// The most timer ticks one line may ask for.
constexpr long long kMostTicks = 1'000'000;

// The longest a scripted person reads a message box, in seconds.
constexpr long long kMostReading = 86'400;
// Timer ticks of the run clock and of the date label in one second.
constexpr int kRunClockTicksPerSecond = 10;
constexpr int kDateTicksPerSecond = 2;

// The scripted answer a word of `answer` names.
std::optional<DialogAnswer> dialogAnswerNamed(std::string_view word) {
    if (word == "yes") return DialogAnswer::Yes;
    if (word == "no") return DialogAnswer::No;
    if (word == "ok") return DialogAnswer::Ok;
    return std::nullopt;
}

// True for the names of the keys `key` can press, as the window reports them.
bool isPhysicalKeyName(std::string_view key) {
    static const std::set<std::string_view> kNames = {
        "0",      "1",    "2",    "3",     "4",      "5",        "6",       "7",
        "8",      "9",    "KP_0", "KP_1",  "KP_2",   "KP_3",     "KP_4",    "KP_5",
        "KP_6",   "KP_7", "KP_8", "KP_9",  "Return", "KP_Enter", "space",   "BackSpace",
        "Escape", "Tab",  "Left", "Right", "Up",     "Down",     "Page_Up", "Page_Down"};
    return kNames.contains(key);
}

// The folder of the running program, where the help file is looked for.
std::string programFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

// True when the main window's menu bar holds `item`.
bool hasMainMenuItem(const WindowContext& window, const std::string& item) {
    for (const MenuBarItem& entry : mainMenuBar(window)) {
        if (entry.item == item) return true;
    }
    return false;
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
    services_.dialogs.whileOpen = [this](int seconds) { passTimeUnderBox(seconds); };
    dispatch(window_, Event{EventKind::Load, {}, -1, {}});
}

void ReplaySession::passTimeUnderBox(int seconds) {
    const auto tick = [this](const std::string& timer, int times) {
        for (int i = 0; i < times; ++i) dispatch(window_, Event{EventKind::Tick, timer, -1, {}});
    };
    for (int second = 0; second < seconds && services_.clock.advance(1); ++second) {
        tick(window_.form.Timer1.name, kRunClockTicksPerSecond);
        tick(window_.form.Timer2.name, 1);
        tick(window_.form.Timer3.name, kDateTicksPerSecond);
    }
}

std::optional<std::vector<std::string>> ReplaySession::run(const std::string& line,
                                                           std::string& error) {
    auto printed = runCommand(line, error);
    if (writer_ != nullptr) {
        writer_->waitUntilWrittenOrHeld();
        for (const LateOutcome& late : writer_->takeFailures()) reportLateOutcome(window_, late);
    }
    return printed;
}

std::optional<std::vector<std::string>> ReplaySession::runCommand(const std::string& line,
                                                                  std::string& error) {
    CommandWords words(line);
    const std::string_view command = words.next();
    if (command.empty() || command[0] == '#') return std::vector<std::string>{};
    const auto refuse = [&](std::string message) -> std::optional<std::vector<std::string>> {
        error = std::move(message);
        return std::nullopt;
    };
    const auto badArguments = [&] { return refuse("bad arguments for " + quotedWord(command)); };
    const auto extraArgument = [&] {
        return refuse("extra argument " + quotedWord(words.next()) + " for " + quotedWord(command));
    };
    const auto unknownElement = [&](std::string_view name) {
        return refuse("unknown element " + quotedWord(name));
    };

    if (command == "seed") {
        const std::string_view value = words.next();
        if (!words.atEnd()) return extraArgument();
        const auto seed = parseWholeNumber(value, 0, std::numeric_limits<std::uint32_t>::max());
        if (!seed) return badArguments();
        random_.seed(static_cast<std::uint32_t>(*seed));
    } else if (command == "clock") {
        const std::string_view date = words.next();
        const std::string_view time = words.next();
        if (!words.atEnd()) return extraArgument();
        const auto moment = parseMoment(date, time);
        if (!moment) return badArguments();
        services_.clock.set(*moment);
    } else if (command == "advance") {
        const std::string_view value = words.next();
        if (!words.atEnd()) return extraArgument();
        const auto seconds = parseWholeNumber(value, std::numeric_limits<long long>::min(),
                                              std::numeric_limits<long long>::max());
        if (!seconds) return badArguments();
        if (!services_.clock.advance(*seconds)) {
            return refuse("advance " + quotedWord(value) +
                          " would take the clock outside the years 1 to 9999");
        }
    } else if (command == "click") {
        const std::string name(words.next());
        if (name.empty()) return badArguments();
        if (!words.atEnd()) return extraArgument();
        if (findElement(window_, name) == nullptr) return unknownElement(name);
        dispatch(window_, Event{EventKind::Click, name, -1, {}});
    } else if (command == "choose") {
        const std::string name(words.next());
        const std::string_view value = words.next();
        if (value.empty()) return badArguments();
        if (!words.atEnd()) return extraArgument();
        const Element* list = findElement(window_, name);
        if (list == nullptr) return unknownElement(name);
        const bool roomLines = list->kind == ElementKind::ListBox && list->container == "drill";
        if (list->kind != ElementKind::ComboBox && !roomLines) return badArguments();
        const auto index =
            parseWholeNumber(value, 0, static_cast<long long>(list->items.size()) - 1);
        if (!index) return badArguments();
        dispatch(window_, Event{EventKind::Choose, name, static_cast<int>(*index), {}});
    } else if (command == "type") {
        const std::string name(words.next());
        if (name.empty()) return badArguments();
        const Element* box = findElement(window_, name);
        if (box == nullptr) return unknownElement(name);
        if (box->kind != ElementKind::TextBox && box->kind != ElementKind::ComboBox) {
            return badArguments();
        }
        const std::string_view text = words.rest();
        if (!isValidUtf8(text)) return badArguments();
        dispatch(window_, Event{EventKind::Type, name, -1, std::string(text)});
    } else if (command == "tick") {
        const std::string name(words.next());
        const std::string_view value = words.next();
        if (name.empty()) return badArguments();
        if (!words.atEnd()) return extraArgument();
        const auto times =
            parseWholeNumber(value.empty() ? std::string_view("1") : value, 0, kMostTicks);
        if (!times) return badArguments();
        const Element* timer = findElement(window_, name);
        if (timer == nullptr) return unknownElement(name);
        if (timer->kind != ElementKind::Timer) return badArguments();
        for (long long i = 0; i < *times; ++i) {
            dispatch(window_, Event{EventKind::Tick, name, -1, {}});
        }
    } else if (command == "key") {
        std::string_view key = words.next();
        std::string target = window_.form.Form1_main.name;
        if (key == window_.drill.drill.name) {
            target = key;
            key = words.next();
        }
        if (!words.atEnd()) return extraArgument();
        if (!isPhysicalKeyName(key)) return badArguments();
        dispatch(window_, Event{EventKind::Key, target, -1, std::string(key)});
    } else if (command == "answer") {
        const std::string_view answer = words.next();
        const std::string_view reading = words.next();
        if (!words.atEnd()) return extraArgument();
        const auto seconds =
            parseWholeNumber(reading.empty() ? std::string_view("0") : reading, 0, kMostReading);
        if (!seconds) {
            return refuse("extra argument " + quotedWord(reading) + " for " + quotedWord(command));
        }
        const auto given = dialogAnswerNamed(answer);
        if (!given) return badArguments();
        services_.dialogs.queueAnswer(*given, static_cast<int>(*seconds));
    } else if (command == "menu") {
        const std::string name(words.next());
        const std::string_view item = words.rest();
        if (name.empty() || item.empty() || !isValidUtf8(item)) return badArguments();
        const Element* element = findElement(window_, name);
        if (element == nullptr) return unknownElement(name);
        const bool held = element == &window_.form.Form1_main
                              ? hasMainMenuItem(window_, std::string(item))
                              : rightClickMenuHolds(window_, *element, std::string(item));
        if (!held) return refuse("no menu item " + quotedWord(item) + " in " + quotedWord(name));
        dispatch(window_, Event{EventKind::Menu, name, -1, std::string(item)});
    } else if (command == "demo") {
        const std::string_view text = words.rest();
        if (!isValidUtf8(text)) return badArguments();
        dispatch(window_,
                 Event{EventKind::Menu, window_.form.Form1_main.name, -1, kDemonstrationItem});
        if (roomDemonstrationUnderWay(window_)) {
            dispatch(window_, Event{EventKind::Click, "drill.Command1", -1, {}});
        }
        dispatch(window_, Event{EventKind::Type, "drill.DemoQuestion", -1, std::string(text)});
        dispatch(window_, Event{EventKind::Click, "drill.Command1", -1, {}});
    } else if (command == "pick") {
        const std::string_view name = words.rest();
        if (!isValidUtf8(name)) return badArguments();
        dispatch(window_, Event{EventKind::Pick, {}, -1, std::string(name)});
    } else if (command == "history") {
        const std::string_view path = words.rest();
        if (path.empty()) return badArguments();
        if (hasNoVisibleCharacter(path)) return refuse("a history file name of blanks only");
        const std::string file(path);
        HistoryOpening opening = openHistoryWithQueuedRecords(file);
        if (!opening.message.empty()) services_.dialogs.inform(opening.message);
        if (opening.store) {
            auto writer = std::make_unique<HistoryWriter>(
                std::move(opening.store), nullptr, queuedRecordsJournal(file),
                [file] { return openHistoryReader(file); });
            writer_ = writer.get();
            historyPath_ = std::string(path);
            services_.history.open(std::move(writer));
        } else {
            writer_ = nullptr;
            historyPath_.clear();
            services_.history.open(std::make_unique<NullHistoryStore>());
        }
        dispatch(window_, Event{EventKind::HistoryOpened, {}, -1, {}});
    } else if (command == "join") {
        const std::string_view line = words.rest();
        if (line.empty() || !isValidUtf8(line)) return badArguments();
        if (historyPath_.empty()) return refuse("join needs a history file");
        services_.dialogs.inform(replayJoin(historyPath_, std::string(line)));
    } else if (command == "teacher") {
        const std::string_view line = words.rest();
        if (line.empty() || !isValidUtf8(line)) return badArguments();
        const TeacherAnswer answer = checkTeacher(std::string(line));
        services_.dialogs.inform(answer.message);
        if (answer.loggedIn) {
            teacherLine_ = std::string(line);
            className_.clear();
        }
    } else if (command == "sync") {
        if (!words.atEnd()) return extraArgument();
        if (!historyPath_.empty()) replaySync(historyPath_);
    } else if (command == "redo") {
        if (!words.atEnd()) return extraArgument();
        dispatch(window_, Event{EventKind::RedoWrongQuestions, {}, -1, {}});
    } else if (command == "close") {
        if (!words.atEnd()) return extraArgument();
        dispatch(window_, Event{EventKind::Close, {}, -1, {}});
    } else if (command == "print") {
        std::string_view what = words.next();
        if (what == "class") return printClass(std::string(words.rest()));
        if (what == "class-learner") {
            const std::string_view learner = words.rest();
            if (learner.empty() || !isValidUtf8(learner)) return badArguments();
            return printClassLearner(std::string(learner));
        }
        const bool oneLineOnly = what == "element";
        if (oneLineOnly) what = words.next();
        if (what.empty()) return badArguments();
        if (!words.atEnd()) return extraArgument();
        const auto printed =
            oneLineOnly ? printElement(std::string(what), true) : print(std::string(what));
        if (!printed) return unknownElement(what);
        return printed;
    } else {
        return refuse("unknown command " + quotedWord(command));
    }
    return std::vector<std::string>{};
}

std::optional<std::vector<std::string>> ReplaySession::print(const std::string& what) {
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
    if (what == "speech") {
        const auto& spoken = services_.speech.spoken;
        std::vector<std::string> lines{"speech " + std::to_string(spoken.size() - speechPrinted_)};
        for (std::size_t i = speechPrinted_; i < spoken.size(); ++i) {
            lines.push_back(oneLine(spoken[i].chinese));
        }
        speechPrinted_ = spoken.size();
        return lines;
    }
    if (what == "voice") {
        const auto& spoken = services_.speech.spoken;
        std::vector<std::string> lines{"voice " + std::to_string(spoken.size() - voicePrinted_)};
        for (std::size_t i = voicePrinted_; i < spoken.size(); ++i) {
            lines.push_back(oneLine(spoken[i].pinyin));
        }
        voicePrinted_ = spoken.size();
        return lines;
    }
    if (what == "history") return describeHistory(services_.history);
    if (what == "book") return describeBook(window_, services_.history);
    if (what == "table") return describeRunsTable(window_, services_.history);
    if (what == "papers") return describePapers(services_.history);
    if (what == "drills") return describeDrills(services_.history);
    if (what == "levels") return describeLevelTests(services_.history);
    if (what == "learners") return describeLearners(services_.history);
    if (what == "outbox") return describeOutbox(historyPath_);
    if (what == "windows") {
        const auto& opened = services_.menuWindows.opened;
        std::vector<std::string> lines{"windows " +
                                       std::to_string(opened.size() - windowsPrinted_)};
        for (std::size_t i = windowsPrinted_; i < opened.size(); ++i) {
            lines.push_back(
                describeMenuWindow(opened[i].which, opened[i].learner, opened[i].lines));
        }
        windowsPrinted_ = opened.size();
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
    return printElement(what, false);
}

std::vector<std::string> ReplaySession::printClass(const std::string& className) {
    ClassTable table;
    table.message = kNoTeacher;
    if (!teacherLine_.empty()) {
        table =
            readClassTable(teacherLine_, className, sortableMoment(services_.clock.now()).first);
    }
    if (!table.read) {
        services_.dialogs.inform(table.message);
        return describeClassTable({});
    }
    className_ = table.className;
    return describeClassTable(table);
}

std::vector<std::string> ReplaySession::printClassLearner(const std::string& learner) {
    LearnerRecords records;
    records.message = kNoTeacher;
    if (!teacherLine_.empty()) {
        std::string className = className_;
        if (className.empty()) {
            const TeacherAnswer teacher = checkTeacher(teacherLine_);
            className = teacher.classes.empty() ? std::string() : teacher.classes.front();
        }
        records = readLearnerRecords(teacherLine_, className, learner);
    }
    if (!records.read) {
        services_.dialogs.inform(records.message);
        return describeLearnerRecords({});
    }
    return describeLearnerRecords(records);
}

std::optional<std::vector<std::string>> ReplaySession::printElement(const std::string& name,
                                                                    bool oneLineOnly) const {
    const Element* element = findElement(window_, name);
    if (element == nullptr) return std::nullopt;
    const bool listBox = name == "List1" || name == "drill.List1" || name == "drill.List2";
    if (listBox && !oneLineOnly) return describeList(name, *element);
    return std::vector<std::string>{describeElement(name, *element)};
}
