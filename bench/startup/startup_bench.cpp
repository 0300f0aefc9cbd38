// Start-up to the first painted frame and peak memory of the trainer against a bare Qt
// window with the same widgets, captions and fonts, measured alternately in one run. Prints medians
// and ratios; asserts nothing.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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

// Runs one probe to its end; false when it could not run or reported nothing.
bool runProbe(const std::vector<std::string>& command, ProbeResult& result) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    const long long started = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <trainer-probe> <bare-window-probe> [runs]\n", argv[0]);
        return 2;
    }
    if (getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (getenv("XDG_RUNTIME_DIR") == nullptr) {
        char folder[] = "/tmp/abacus-bench.XXXXXX";
        if (mkdtemp(folder) != nullptr) setenv("XDG_RUNTIME_DIR", folder, 1);
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;

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

    const double startupRatio = median(trainerMs) / median(bareMs);
    const double memoryRatio = median(trainerMiB) / median(bareMiB);
    std::printf("widgets: trainer %ld, bare window %ld; runs: %d (medians)\n", trainerWidgets,
                bareWidgets, runs);
    std::printf(
        "start-up to first painted frame: trainer %.1f ms, bare window %.1f ms, ratio %.2f (goal "
        "<= 1.15)\n",
        median(trainerMs), median(bareMs), startupRatio);
    std::printf(
        "peak resident memory: trainer %.1f MiB, bare window %.1f MiB, ratio %.2f (goal <= 1.15)\n",
        median(trainerMiB), median(bareMiB), memoryRatio);
    return 0;
}
