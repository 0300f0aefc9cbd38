#pragma once
// Ends a benchmark probe right after its window has been painted for the first time,
// printing the monotonic time of that moment and the number of widgets in the window. The
// process ends there and then, before any work queued behind the paint, so start-up time and
// peak memory count only what was done before the window was seen. With ABACUS_PROBE_SMAPS
// set to a file name, the memory map of that moment (/proc/self/smaps) is copied there. With
// ABACUS_PROBE_LINGER_MS set, the process goes on that many milliseconds after the report
// (running the work queued behind the paint) before it ends, so its peak memory covers them.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QWidget& window) : window_(window) { window.installEventFilter(this); }

  protected:
    // On the first paint of the window: report once the paint has finished, then end.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] { reportAndQuit(); });
        }
        return false;
    }

  private:
    void reportAndQuit() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nanoseconds = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
        std::printf("painted_ns=%lld widgets=%lld\n", nanoseconds,
                    static_cast<long long>(window_.findChildren<QWidget*>().size()));
        std::fflush(stdout);
        if (const char* linger = std::getenv("ABACUS_PROBE_LINGER_MS")) {
            QTimer::singleShot(std::atoi(linger), [] { end(); });
            return;
        }
        end();
    }

    // Copies the memory map when asked to, and ends the process at once.
    static void end() {
        if (const char* copy = std::getenv("ABACUS_PROBE_SMAPS")) {
            std::ofstream(copy) << std::ifstream("/proc/self/smaps").rdbuf();
        }
        std::_Exit(0);
    }

    QWidget& window_;
    bool seen_ = false;
};
