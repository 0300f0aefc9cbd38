#include "soak_run.h"

#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <ostream>

#include "replay_printer.h"
#include "replay_script.h"
#include "soak_bead_room.h"
#include "soak_events.h"
#include "soak_invariants.h"
#include "soak_window.h"

namespace {

constexpr std::int16_t kRunInProgress = 0;
constexpr std::int16_t kIdle = 1;

// What the tally compares before and after each dispatch.
struct Counters {
    std::int16_t appState = 0;
    std::int16_t answeredCount = 0;
    std::int16_t questionTotal = 0;
    std::int64_t runNumber = 0;
    std::uint64_t clearCount = 0;
    std::size_t roomLines = 0;  // lines of the practice room's list
    bool beadDrill = false;     // the room is open on the bead drill
};

// The counters of `window` as they stand.
Counters countersOf(const WindowContext& window) {
    const TrainingState& state = window.state;
    return {state.appState,      state.answeredCount,          state.questionTotal,
            state.runNumber,     window.form.List1.clearCount, window.drill.List1.items.size(),
            beadRoomOpen(window)};
}

// Adds what one dispatch did to the tally.
void count(const Counters& before, const Counters& after, const SoakAction& action, bool closed,
           SoakTally& tally) {
    ++tally.dispatches;
    if (before.appState != kRunInProgress && after.appState == kRunInProgress) ++tally.runs;
    if (before.appState == kRunInProgress && after.appState != kRunInProgress && !closed) {
        ++tally.reports;
        if (after.answeredCount == after.questionTotal) ++tally.finishedRuns;
    }
    if (before.appState == kRunInProgress && after.answeredCount > before.answeredCount) {
        const int closedQuestions = after.answeredCount - before.answeredCount;
        tally.questions += closedQuestions;
        if (action.kind == SoakAction::Kind::Tick) tally.questionsTimedOut += closedQuestions;
    }
    if (before.appState == kIdle && after.appState == kIdle &&
        after.runNumber == before.runNumber + 1) {
        ++tally.papers;
    }
    if (after.clearCount != before.clearCount) ++tally.clears;
    if (before.beadDrill && after.beadDrill && after.roomLines > before.roomLines) {
        tally.beadLines += static_cast<long long>(after.roomLines - before.roomLines);
    }
}

// True when the action is a click on "清  除" between runs, which empties the record list.
bool clearsRecordList(const SoakAction& action, const WindowContext& window) {
    return action.kind == SoakAction::Kind::Click && action.element == "Command2" &&
           window.state.appState == kIdle;
}

// The summary of a soak in which every rule held.
void printTally(const SoakOptions& options, const SoakTally& tally, double seconds,
                std::ostream& out) {
    char time[32];
    std::snprintf(time, sizeof time, "%.1f", seconds);
    out << "seed " << options.seed << ": " << tally.events << " events (" << tally.dispatches
        << " dispatches) in " << time << " s\n"
        << "windows " << tally.windows << ", closed by the quit question " << tally.closes
        << " times\n"
        << "runs " << tally.runs << ", reports " << tally.reports << " (" << tally.finishedRuns
        << " after the last question), questions " << tally.questions << " ("
        << tally.questionsTimedOut << " closed by the timer)\n"
        << "papers " << tally.papers << ", record-list clears " << tally.clears << "\n"
        << "bead drill lines (questions, stops, sets) " << tally.beadLines << "\n"
        << "message boxes " << tally.dialogs << ", clips " << tally.clips
        << ", clock moves refused " << tally.refusedAdvances << "\n"
        << "every rule held\n";
}

// Writes the record list as "print List1" prints it.
void writeList(const std::string& path, const Element& list) {
    if (path.empty()) return;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : describeList("List1", list)) file << line << '\n';
}

// The soak's windows, one after another as the quit question closes them, with their rules
// and their script.
class Soak {
  public:
    Soak(const SoakOptions& options, std::ostream& err)
        : options_(options), err_(err), random_(options.seed), script_(options.scriptPath) {
        openWindow(options.seed);
    }

    // Runs every event; false after a broken rule.
    bool run() {
        std::deque<SoakAction> pending;
        while (tally_.events < options_.events) {
            if (pending.empty()) {
                for (SoakAction& action : nextActions(window_->context(), random_)) {
                    pending.push_back(std::move(action));
                }
            }
            const SoakAction action = std::move(pending.front());
            pending.pop_front();
            ++tally_.events;
            if (!perform(action)) return false;
            if (window_->context().closed) {
                ++tally_.closes;
                ++tally_.windows;
                addServiceCounts();
                openWindow(static_cast<std::uint32_t>(random_.next()));
                pending.clear();
            }
        }
        addServiceCounts();
        script_.flush();
        return true;
    }

    const SoakTally& tally() const { return tally_; }
    const WindowContext& window() const { return window_->context(); }

  private:
    // A fresh window, a fresh record of its rules and a fresh script.
    void openWindow(std::uint32_t trainerSeed) {
        window_ = std::make_unique<SoakWindow>(trainerSeed);
        checker_ = std::make_unique<InvariantChecker>(window_->context());
        script_.restart(trainerSeed);
    }

    // Adds the message boxes and clips of the window in use to the tally.
    void addServiceCounts() {
        tally_.dialogs += static_cast<long long>(window_->services().dialogs.shown.size());
        tally_.clips += static_cast<long long>(window_->services().sound.played.size());
    }

    // Does one action, checking the rules after each of its dispatches.
    bool perform(const SoakAction& action) {
        const bool ticks = action.kind == SoakAction::Kind::Tick;
        const long long times = ticks ? action.number : 1;
        for (long long done = 1; done <= times; ++done) {
            const WindowContext& window = window_->context();
            const Counters before = countersOf(window);
            const bool mayEmptyList = clearsRecordList(action, window);
            if (!window_->perform(action)) {
                ++tally_.refusedAdvances;
                return true;
            }
            count(before, countersOf(window), action, window.closed, tally_);
            const auto breach = checker_->check(window, mayEmptyList);
            if (breach || done == times) script_.add(replayLine(action, done));
            if (breach) {
                report(*breach, ticks ? done : 0);
                return false;
            }
        }
        return true;
    }

    // Says which rule broke where, and how to run up to that event again.
    void report(const std::string& breach, long long tick) {
        script_.flush();
        err_ << "rule broken at event " << tally_.events;
        if (tick > 0) err_ << " (tick " << tick << ")";
        err_ << " of seed " << options_.seed << ", script line " << script_.lines() << ": "
             << breach << "\n"
             << "again with: abacus-soak --seed " << options_.seed << " --events " << tally_.events
             << " --script FILE\n";
    }

    const SoakOptions& options_;
    std::ostream& err_;
    SoakRandom random_;
    ReplayScript script_;
    std::unique_ptr<SoakWindow> window_;
    std::unique_ptr<InvariantChecker> checker_;
    SoakTally tally_;
};

}  // namespace

int runSoak(const SoakOptions& options, std::ostream& out, std::ostream& err) {
    const auto start = std::chrono::steady_clock::now();
    Soak soak(options, err);
    const bool held = soak.run();
    writeList(options.listPath, soak.window().form.List1);
    if (!held) return 1;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    printTally(options, soak.tally(), seconds.count(), out);
    return 0;
}
