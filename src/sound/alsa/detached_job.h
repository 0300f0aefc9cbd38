#pragma once
// Work run on a thread of its own, which the caller waits for only until a deadline. Work
// still running then is left behind: it keeps what it owns and finishes whenever it can.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class DetachedJob {
  public:
    // Starts `work` on a new thread that nobody joins; nullptr when no thread can be started.
    static std::shared_ptr<DetachedJob> start(std::function<void()> work);

    // Waits until the work has returned or `deadline` has passed; true when it returned.
    bool waitUntil(std::chrono::steady_clock::time_point deadline);
    // True once the work has returned.
    bool finished() const;

  private:
    DetachedJob() = default;
    void markFinished();

    mutable std::mutex mutex_;
    std::condition_variable finishedSignal_;
    bool finished_ = false;
};
