#pragma once
// One headless trainer driven by replay commands: the real handlers, recording services
// and the fixed-width text metrics, so the same script prints the same on every machine.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "history/history_writer.h"
#include "model/window_context.h"

// Random numbers that follow the clock until a script seeds them; once seeded, seeding
// from the clock changes nothing, so a script's questions are the same on every run.
class ReplayRandom : public RandomSource {
  public:
    float next() override { return generator_.next(); }
    void randomize() override;
    void seed(std::uint32_t value);

  private:
    UniformRandom generator_;
    bool seeded_ = false;
};

class ReplaySession {
  public:
    ReplaySession();

    // Runs one command line. Returns the lines it prints, or nullopt with `error` set when
    // the line is refused and has changed nothing.
    std::optional<std::vector<std::string>> run(const std::string& line, std::string& error);

  private:
    // Lets `seconds` pass while a message box is open: the clock moves on and every timer
    // ticks as often as it would on the desktop.
    void passTimeUnderBox(int seconds);
    // Runs one command line, as run does, before the writes it queued are stored.
    std::optional<std::vector<std::string>> runCommand(const std::string& line, std::string& error);
    // The lines of print WHAT; nullopt when WHAT names nothing printable.
    std::optional<std::vector<std::string>> print(const std::string& what);
    // "class N" and the rows of the class `className` (the class printed last, else the first the
    // teacher reads, when empty) for the seven days ending on the clock's day; the page's
    // message as a dialog when it cannot be read.
    std::vector<std::string> printClass(const std::string& className);
    // That learner of the class printed last (the first the teacher reads before any) as read
    // from the server; the message as a dialog when it cannot be read.
    std::vector<std::string> printClassLearner(const std::string& learner);
    // The lines of one element: the record list's own lines unless `oneLineOnly`.
    std::optional<std::vector<std::string>> printElement(const std::string& name,
                                                         bool oneLineOnly) const;

    ReplayRandom random_;
    RecordingServices services_;
    FixedWidthMetrics metrics_;
    WindowContext window_;
    HistoryWriter* writer_ = nullptr;  // the history's writer while a file is kept
    std::string historyPath_;          // the file kept in, empty while none
    std::string teacherLine_;          // the teacher logged in, empty while none
    std::string className_;            // the class printed last
    std::size_t soundsPrinted_ = 0;
    std::size_t speechPrinted_ = 0;
    std::size_t voicePrinted_ = 0;
    std::size_t dialogsPrinted_ = 0;
    std::size_t windowsPrinted_ = 0;
};
