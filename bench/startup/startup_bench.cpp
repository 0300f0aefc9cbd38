// Start-up to the first painted frame and peak memory of the trainer against a bare Qt
// window with the same widgets, captions and fonts, measured alternately in one run, and the
// delay from a keypad press to its first sample on a capturing sound device, right after
// start-up and later. Prints medians, ratios and their spread; asserts nothing.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProbeResult {
    double startupMs = 0;
    double peakRssMiB = 0;
    long widgets = 0;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

constexpr int kDefaultRuns = 21;
constexpr int kClickRuns = 15;
// How long after the first paint the first press comes: at once, and as a quick child would.
constexpr int kFirstPressDelays[] = {0, 300};

// Runs `command` to its end and returns what it wrote, with its peak resident memory in
// `usage`; false when it could not be started.
bool runToEnd(const std::vector<std::string>& command, std::string& output, rusage& usage) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return false;
    }
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    wait4(child, &status, 0, &usage);
    return true;
}

// Runs one start-up probe to its end; false when it could not run or reported nothing.
bool runProbe(const std::vector<std::string>& command, ProbeResult& result) {
    std::string output;
    rusage usage{};
    const long long started = monotonicNanoseconds();
    if (!runToEnd(command, output, usage)) return false;
    long long painted = 0;
    if (std::sscanf(output.c_str(), "painted_ns=%lld widgets=%ld", &painted, &result.widgets) !=
        2) {
        return false;
    }
    result.startupMs = static_cast<double>(painted - started) / 1e6;
    result.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The value at `share` (0 to 1) of the sorted values.
double quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

// Each trainer figure divided by the bare window's figure of the same pair of starts.
std::vector<double> pairRatios(const std::vector<double>& trainer,
                               const std::vector<double>& bare) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < trainer.size(); ++i) ratios.push_back(trainer[i] / bare[i]);
    return ratios;
}

// One figure of both probes: medians, the ratio of the medians and the spread of the pair ratios.
void printComparison(const char* what, const char* unit, const std::vector<double>& trainer,
                     const std::vector<double>& bare) {
    const std::vector<double> ratios = pairRatios(trainer, bare);
    std::printf(
        "%s: trainer %.1f %s, bare window %.1f %s, ratio %.3f (goal <= 1.05); pair ratios "
        "median %.3f, quartiles %.3f-%.3f, range %.3f-%.3f\n",
        what, median(trainer), unit, median(bare), unit, median(trainer) / median(bare),
        median(ratios), quantile(ratios, 0.25), quantile(ratios, 0.75), quantile(ratios, 0),
        quantile(ratios, 1));
}

// A private sound configuration whose default device writes what it plays into a named pipe.
struct CapturingDevice {
    std::filesystem::path folder;
    std::filesystem::path pipe;

    CapturingDevice() {
        char pattern[] = "/tmp/abacus-click.XXXXXX";
        folder = mkdtemp(pattern) != nullptr ? pattern : "";
        pipe = folder / "device.fifo";
        mkfifo(pipe.c_str(), 0600);
        std::ofstream(folder / "asound.conf")
            << "pcm.!default {\n    type file\n    slave.pcm { type null }\n    format \"wav\"\n"
            << "    file \"" << pipe.string() << "\"\n}\n";
        setenv("ALSA_CONFIG_PATH", (folder / "asound.conf").c_str(), 1);
    }
    ~CapturingDevice() {
        unsetenv("ALSA_CONFIG_PATH");
        std::filesystem::remove_all(folder);
    }
};

// Runs the first-click probe with its first press `delay` ms after the first paint and adds
// its delays to `first` and `later`; false when it reported nothing.
bool runClickProbe(const std::string& probe, const CapturingDevice& device, int delay,
                   std::vector<double>& first, std::vector<double>& later) {
    std::string output;
    rusage usage{};
    if (!runToEnd({probe, device.pipe.string(), std::to_string(delay)}, output, usage))
        return false;
    std::istringstream lines(output);
    bool any = false;
    for (std::string line; std::getline(lines, line);) {
        double ms = 0;
        if (std::sscanf(line.c_str(), "first_click_ms=%lf", &ms) == 1) first.push_back(ms);
        if (std::sscanf(line.c_str(), "later_click_ms=%lf", &ms) == 1) later.push_back(ms);
        any = any || ms > 0;
    }
    return any;
}

// The delays from a keypad press to its first sample, right after start-up and later.
void measureFirstClick(const std::string& probe) {
    const CapturingDevice device;
    std::vector<double> later;
    for (const int delay : kFirstPressDelays) {
        std::vector<double> first;
        for (int run = 0; run < kClickRuns; ++run) {
            if (!runClickProbe(probe, device, delay, first, later)) {
                std::fprintf(stderr, "the first-click probe reported no sample\n");
                return;
            }
        }
        std::printf(
            "key click to first sample, first press %d ms after the first paint: median %.2f ms "
            "(range %.2f-%.2f, %d starts)\n",
            delay, median(first), quantile(first, 0), quantile(first, 1), kClickRuns);
        std::printf("  difference to a later press: %.2f ms (goal < 5)\n",
                    median(first) - median(later));
    }
    std::printf("key click to first sample, later presses: median %.2f ms (range %.2f-%.2f)\n",
                median(later), quantile(later, 0), quantile(later, 1));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <trainer-probe> <bare-window-probe> <first-click-probe> [runs]\n",
                     argv[0]);
        return 2;
    }
    if (getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (getenv("XDG_RUNTIME_DIR") == nullptr) {
        char folder[] = "/tmp/abacus-bench.XXXXXX";
        if (mkdtemp(folder) != nullptr) setenv("XDG_RUNTIME_DIR", folder, 1);
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : kDefaultRuns;

    std::vector<double> trainerMs, trainerMiB, bareMs, bareMiB;
    long trainerWidgets = 0;
    long bareWidgets = 0;
    for (int run = 0; run < runs; ++run) {
        ProbeResult trainer, bare;
        if (!runProbe({argv[1]}, trainer)) {
            std::fprintf(stderr, "the trainer probe did not report a painted frame\n");
            return 1;
        }
        trainerWidgets = trainer.widgets;
        if (!runProbe({argv[2]}, bare)) {
            std::fprintf(stderr, "the bare window probe did not report a painted frame\n");
            return 1;
        }
        bareWidgets = bare.widgets;
        trainerMs.push_back(trainer.startupMs);
        trainerMiB.push_back(trainer.peakRssMiB);
        bareMs.push_back(bare.startupMs);
        bareMiB.push_back(bare.peakRssMiB);
    }

    std::printf("widgets: trainer %ld, bare window %ld; alternated starts: %d of each\n",
                trainerWidgets, bareWidgets, runs);
    printComparison("start-up to first painted frame", "ms", trainerMs, bareMs);
    printComparison("peak resident memory", "MiB", trainerMiB, bareMiB);
    measureFirstClick(argv[3]);
    return 0;
}
