#include "sound/alsa/detached_job.h"

#include <system_error>
#include <thread>

std::shared_ptr<DetachedJob> DetachedJob::start(std::function<void()> work) {
    std::shared_ptr<DetachedJob> job(new DetachedJob);
    try {
        std::thread([job, work = std::move(work)]() mutable {
            work();
            work = nullptr;
            job->markFinished();
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return job;
}

bool DetachedJob::waitUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    return finishedSignal_.wait_until(lock, deadline, [this] { return finished_; });
}

bool DetachedJob::finished() const {
    const std::lock_guard lock(mutex_);
    return finished_;
}

// Says that the work has returned and released everything it held.
void DetachedJob::markFinished() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    finishedSignal_.notify_all();
}
