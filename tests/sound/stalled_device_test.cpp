// A device that stops taking samples, as a hung sound server does: a pipe whose reader never
// reads, or one that nobody opens for reading. Every play still returns within the clip's
// length and a small margin, later plays are not held up by the stuck one, the process ends
// at once and cleanly, and playing resumes once the device takes samples again.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "clip_data.h"
#include "sound/alsa/alsa_sound_output.h"
#include "sound/clip_catalogue.h"
#include "test_alsa_config.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The sound button's clip, played over and over as a child clicking the button would.
constexpr std::int16_t kClip = 109;
constexpr int kPlays = 10;
// What a play may add to its clip, and room on top of that for a loaded machine.
constexpr Seconds kMargin{0.25};
constexpr Seconds kSlack{1.0};
// How long a process may take to end after its last play.
constexpr Seconds kExitAllowance{5.0};

Seconds clipLength() { return Seconds(findPlayedClip(kClip)->seconds); }

Seconds timePlay(AlsaSoundOutput& output) {
    const auto start = Clock::now();
    output.play(kClip, embeddedClip(kClip));
    return Clock::now() - start;
}

// Opens the pipe for reading without waiting for a writer.
int openReader(const std::filesystem::path& pipe) {
    return open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// True when the device has written more than half of what the pipe holds: the plays reach
// it, and with nobody reading it stalls soon after.
bool pipeFillingUp(int reader) {
    int waiting = 0;
    ioctl(reader, FIONREAD, &waiting);
    return waiting > fcntl(reader, F_GETPIPE_SZ) / 2;
}

enum class Stall { ReaderNeverReads, NoReader };

// The child's side: plays the clip again and again into the stalled device and sends each
// duration and then whether the pipe filled up; lets the reader go away while a play is stuck
// writing, plays once more and ends the ordinary way, through every static destructor and
// exit check of the process.
[[noreturn]] void playIntoStallAndExit(const TestAlsaConfig& config, Stall stall, int results) {
    const int reader = stall == Stall::ReaderNeverReads ? openReader(config.pipeFile()) : -1;
    AlsaSoundOutput output;
    for (int play = 0; play < kPlays; ++play) {
        const double took = timePlay(output).count();
        if (write(results, &took, sizeof took) != sizeof took) std::_Exit(3);
    }
    const bool fillingUp = reader >= 0 && pipeFillingUp(reader);
    if (write(results, &fillingUp, sizeof fillingUp) != sizeof fillingUp) std::_Exit(3);
    if (reader >= 0) close(reader);
    std::this_thread::sleep_for(kMargin);
    output.play(kClip, embeddedClip(kClip));
    std::exit(0);
}

// One value from the child, or nothing when none comes within `allowed`.
template <typename Value>
std::optional<Value> receive(int results, Seconds allowed) {
    pollfd ready{results, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(allowed.count() * 1000)) != 1) return std::nullopt;
    Value value{};
    if (read(results, &value, sizeof value) != sizeof value) return std::nullopt;
    return value;
}

// The child's wait status once it has ended, or nothing when it goes on past `allowed`.
std::optional<int> waitForExit(pid_t child, Seconds allowed) {
    const auto giveUpAt = Clock::now() + allowed;
    do {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (Clock::now() < giveUpAt);
    return std::nullopt;
}

class StalledDevice : public ::testing::TestWithParam<Stall> {};

TEST_P(StalledDevice, EveryPlayReturnsInTimeAndTheProcessStillEnds) {
    TestAlsaConfig config(DefaultDevice::Pipe);
    int results[2];
    ASSERT_EQ(pipe(results), 0);
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(results[0]);
        playIntoStallAndExit(config, GetParam(), results[1]);
    }
    close(results[1]);

    const Seconds allowed = clipLength() + kMargin + kSlack;
    Seconds total{0};
    bool allReturned = true;
    for (int play = 1; play <= kPlays && allReturned; ++play) {
        const auto took = receive<double>(results[0], allowed);
        allReturned = took.has_value();
        EXPECT_TRUE(allReturned) << "play " << play << " still running after " << allowed.count()
                                 << " s";
        if (took) {
            EXPECT_LT(Seconds(*took), allowed) << "play " << play;
        }
        total += Seconds(took.value_or(0));
    }
    EXPECT_LT(total, kPlays * (clipLength() + kMargin) + kSlack);
    if (allReturned && GetParam() == Stall::ReaderNeverReads) {
        EXPECT_TRUE(receive<bool>(results[0], kExitAllowance).value_or(false))
            << "the device never stalled";
    }

    const auto status = waitForExit(child, allReturned ? kExitAllowance : Seconds{0});
    if (!status) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    close(results[0]);
    ASSERT_TRUE(status.has_value()) << "the process did not end";
    EXPECT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

INSTANTIATE_TEST_SUITE_P(Pipe, StalledDevice,
                         ::testing::Values(Stall::ReaderNeverReads, Stall::NoReader),
                         [](const auto& info) {
                             return info.param == Stall::NoReader ? "NoReader" : "ReaderNeverReads";
                         });

// Reads everything written into the pipe, from a thread of its own, until stopped.
class PipeDrain {
  public:
    explicit PipeDrain(int reader) : reader_(reader), thread_([this] { drain(); }) {}
    ~PipeDrain() { stop(); }

    // Stops reading and returns everything read.
    std::string stop() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
        return received_;
    }

  private:
    void drain() {
        char chunk[4096];
        while (!stopping_) {
            pollfd ready{reader_, POLLIN, 0};
            poll(&ready, 1, 10);
            const ssize_t got = read(reader_, chunk, sizeof chunk);
            if (got > 0) {
                received_.append(chunk, static_cast<std::size_t>(got));
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }

    int reader_;
    std::string received_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

// How many WAVE images begin in `bytes`: the device starts one each time it is opened.
int waveImagesIn(const std::string& bytes) {
    int count = 0;
    for (auto at = bytes.find("RIFF"); at != std::string::npos; at = bytes.find("RIFF", at + 4)) {
        ++count;
    }
    return count;
}

TEST(StalledDeviceRecovery, ClipsSoundAgainOnceTheDeviceTakesSamples) {
    TestAlsaConfig config(DefaultDevice::Pipe);
    const int reader = openReader(config.pipeFile());
    ASSERT_GE(reader, 0);
    AlsaSoundOutput output;
    for (int play = 0; play < 5; ++play) timePlay(output);
    ASSERT_TRUE(pipeFillingUp(reader)) << "the device never stalled";

    std::string received;
    bool resumed = false;
    {
        PipeDrain drain(reader);
        for (int attempt = 0; attempt < 30 && !resumed; ++attempt) {
            resumed = timePlay(output) > 0.7 * clipLength();
            if (!resumed) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        received = drain.stop();
    }
    close(reader);
    EXPECT_TRUE(resumed) << "no clip lasted its length after the device recovered";
    EXPECT_GE(waveImagesIn(received), 5) << "no clip reached the device after it recovered";
}

}  // namespace
