#include "history/class_server/outbox_sender.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "history/class_server/class_outbox.h"
#include "history/class_server/class_server_schema.h"

OutboxSender::OutboxSender(std::string historyPath, int batch)
    : historyPath_(std::move(historyPath)), batch_(batch) {}

OutboxSender::~OutboxSender() = default;

SendPass OutboxSender::sendWaiting() {
    SendPass pass;
    while (sendBatch(pass)) {
    }
    return pass;
}

bool OutboxSender::sendBatch(SendPass& pass) {
    ClassOutbox outbox(historyPath_);
    const std::optional<ClassLink> link = outbox.link();
    if (!link) return false;
    const std::vector<OutboxRecord> records = outbox.oldest(batch_);
    if (records.empty()) return false;
    if (!session_ || !session_->connected() || line_ != link->connection) {
        line_ = link->connection;
        session_ = std::make_unique<PgSession>(withTrainerDefaults(line_));
        if (!session_->connected()) {
            pass.trouble = session_->trouble();
            pass.detail = session_->detail();
            session_.reset();
            return false;
        }
    }
    const auto fail = [&] {
        pass.trouble = session_->trouble();
        pass.detail = session_->detail();
        session_.reset();
        return false;
    };
    if (!session_->run("BEGIN")) return fail();
    std::vector<long long> sent;
    for (const OutboxRecord& record : records) {
        const std::string insert = classRecordInsert(record.kind);
        // A record whose row is gone, or of a kind this trainer does not know, is dropped.
        if (!insert.empty() && !record.payload.empty() &&
            !session_->run(insert, {record.payload})) {
            return fail();
        }
        sent.push_back(record.id);
    }
    if (!session_->run("COMMIT")) return fail();
    // Committed: a crash before the outbox forgets them only sends them again, which is harmless.
    if (!outbox.remove(sent)) {
        pass.trouble = ServerTrouble::Failed;
        pass.detail = "the outbox could not be written";
        return false;
    }
    pass.sent += static_cast<long long>(sent.size());
    return true;
}

BackgroundSender::BackgroundSender(std::string historyPath, std::chrono::milliseconds idle,
                                   std::chrono::milliseconds firstRetry,
                                   std::chrono::milliseconds longestRetry)
    : sender_(std::move(historyPath)),
      idle_(idle),
      firstRetry_(firstRetry),
      longestRetry_(longestRetry),
      thread_([this] { sendLoop(); }) {}

BackgroundSender::~BackgroundSender() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wakeUp_.notify_all();
    thread_.join();
}

void BackgroundSender::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeUp_.notify_all();
}

ServerTrouble BackgroundSender::lastTrouble() {
    std::lock_guard lock(mutex_);
    return lastTrouble_;
}

long long BackgroundSender::sent() {
    std::lock_guard lock(mutex_);
    return sent_;
}

void BackgroundSender::sendLoop() {
    std::chrono::milliseconds retry = firstRetry_;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        const SendPass pass = sender_.sendWaiting();
        lock.lock();
        sent_ += pass.sent;
        lastTrouble_ = pass.trouble;
        std::chrono::milliseconds pause = idle_;
        if (pass.trouble != ServerTrouble::None) {
            pause = retry;
            retry = std::min(retry * 2, longestRetry_);
        } else {
            retry = firstRetry_;
        }
        wakeUp_.wait_for(lock, pause, [this] { return stopping_ || woken_; });
        woken_ = false;
    }
}
