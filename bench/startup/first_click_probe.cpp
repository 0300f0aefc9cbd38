// Starts the trainer exactly as the program does, with the default sound device writing what it
// plays into the named pipe given as the first argument. Presses keypad key 0 (an idle menu
// key, which only clicks) the number of milliseconds given as the second argument after the
// first paint, and twice more a second apart; prints for each press the milliseconds from the
// press to the first sample coming out of the pipe, then quits.

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>

#include "after_first_paint.h"
#include "probed_trainer.h"

namespace {

using Clock = std::chrono::steady_clock;

// The WAVE header the device writes before the samples of each clip.
constexpr long kWaveHeaderBytes = 44;
constexpr int kLaterPresses = 2;
constexpr auto kBetweenPresses = std::chrono::seconds(1);
constexpr auto kLongestWait = std::chrono::seconds(3);

// Reads the device's pipe for ever and notes when the first sample after a press came out.
class DeviceWatch {
  public:
    explicit DeviceWatch(const char* pipePath) : pipe_(open(pipePath, O_RDWR | O_CLOEXEC)) {
        std::thread([this] { readForEver(); }).detach();
    }

    // Notes a press now; the next bytes past a clip's header count for it.
    void pressed() {
        const std::lock_guard lock(mutex_);
        pressedAt_ = Clock::now();
        bytesBeforePress_ = bytes_;
        heardAt_.reset();
    }

    // Milliseconds from the last press to its first sample; -1 when none came.
    double millisecondsToFirstSample() {
        std::unique_lock lock(mutex_);
        if (!heard_.wait_for(lock, kLongestWait, [this] { return heardAt_.has_value(); }))
            return -1;
        return std::chrono::duration<double, std::milli>(*heardAt_ - pressedAt_).count();
    }

  private:
    // Counts the bytes coming out of the pipe and notes the moment a press's first sample came.
    void readForEver() {
        char buffer[4096];
        for (ssize_t n; pipe_ >= 0 && (n = read(pipe_, buffer, sizeof buffer)) > 0;) {
            const auto now = Clock::now();
            const std::lock_guard lock(mutex_);
            bytes_ += n;
            if (!heardAt_ && bytes_ - bytesBeforePress_ > kWaveHeaderBytes) {
                heardAt_ = now;
                heard_.notify_all();
            }
        }
    }

    int pipe_;
    std::mutex mutex_;
    std::condition_variable heard_;
    long bytes_ = 0;
    long bytesBeforePress_ = 0;
    Clock::time_point pressedAt_;
    std::optional<Clock::time_point> heardAt_;
};

// Presses keypad key 9 as a click on it does and prints the delay to its first sample.
void pressAndReport(DesktopTrainer& trainer, DeviceWatch& device, const char* which) {
    device.pressed();
    trainer.view().send(Event{EventKind::Click, "Command1(9)", -1, {}});
    std::printf("%s_click_ms=%.3f\n", which, device.millisecondsToFirstSample());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <device pipe> <ms after first paint>\n", argv[0]);
        return 2;
    }
    DeviceWatch device(argv[1]);
    const int firstPressAfter = std::atoi(argv[2]);
    ProbedTrainer probed(argc, argv);
    DesktopTrainer& trainer = probed.trainer();
    AfterFirstPaint presses(trainer.view().mainWindow(), [&] {
        QTimer::singleShot(firstPressAfter, [&] {
            pressAndReport(trainer, device, "first");
            for (int press = 0; press < kLaterPresses; ++press) {
                std::this_thread::sleep_for(kBetweenPresses);
                pressAndReport(trainer, device, "later");
            }
            QCoreApplication::exit(0);
        });
    });
    trainer.show();
    return QApplication::exec();
}
