#pragma once
// The soak: seeded random events into a headless trainer, every rule checked after each.

#include <cstdint>
#include <iosfwd>
#include <string>

struct SoakOptions {
    std::uint32_t seed = 1;
    long long events = 20'000;
    std::string scriptPath;  // where to write the events as a replay script; empty for none
    std::string listPath;    // where to write the final record list as "print List1" does
};

// What happened during a soak, counted over all the windows it used.
struct SoakTally {
    long long events = 0;
    long long dispatches = 0;
    long long windows = 1;
    long long closes = 0;
    long long runs = 0;
    long long reports = 0;
    long long finishedRuns = 0;  // reports after the last question, not after a stop
    long long questions = 0;
    long long questionsTimedOut = 0;
    long long papers = 0;
    long long clears = 0;
    long long dialogs = 0;
    long long clips = 0;
    long long refusedAdvances = 0;
    long long beadLines = 0;  // lines the bead drill wrote in the practice room's list
};

// Runs the soak and prints what it did to `out`. Returns 0, or 1 after printing the first
// broken rule with the seed and the event number to `err`.
int runSoak(const SoakOptions& options, std::ostream& out, std::ostream& err);
