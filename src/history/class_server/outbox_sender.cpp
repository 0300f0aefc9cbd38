#include "history/class_server/outbox_sender.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "history/class_server/class_outbox.h"
#include "history/class_server/class_server_schema.h"
#include "history/class_server/trainer_enrolment.h"

OutboxSender::OutboxSender(std::string historyPath, ServerDeadlines deadlines,
                           const StopSignal* stop, int batch)
    : historyPath_(std::move(historyPath)), deadlines_(deadlines), stop_(stop), batch_(batch) {}

OutboxSender::~OutboxSender() = default;

SendPass OutboxSender::sendWaiting() {
    SendPass pass;
    while (sendBatch(pass)) {
    }
    return pass;
}

bool OutboxSender::openSession(ClassOutbox& outbox, const std::string& line) {
    line_ = line;
    session_ = std::make_unique<PgSession>(withTrainerDefaults(line_), deadlines_, stop_);
    if (!session_->connected()) return false;
    const std::optional<LineClass> joined = classOfSession(*session_);
    if (!joined || joined->role != LineRole::ClassLine) return joined.has_value();
    // Joined with the class's own line before the server gave each trainer a role: enrol now.
    const std::optional<std::string> own = enrolTrainer(*session_, line_);
    if (!own || !outbox.replaceConnection(line_, *own)) return false;
    line_ = *own;
    session_ = std::make_unique<PgSession>(withTrainerDefaults(line_), deadlines_, stop_);
    return session_->connected();
}

bool OutboxSender::sendBatch(SendPass& pass) {
    ClassOutbox outbox(historyPath_);
    const std::optional<ClassLink> link = outbox.link();
    if (!link) return false;
    const std::vector<OutboxRecord> records = outbox.oldest(batch_);
    if (records.empty()) return false;
    const auto fail = [&] {
        // A refusal of the outbox's own file leaves the server's answer at None.
        pass.trouble = session_ && session_->trouble() != ServerTrouble::None
                           ? session_->trouble()
                           : ServerTrouble::Failed;
        pass.detail = session_ ? session_->detail() : std::string();
        session_.reset();
        return false;
    };
    if ((!session_ || !session_->connected() || line_ != link->connection) &&
        !openSession(outbox, link->connection)) {
        return fail();
    }
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

std::chrono::milliseconds retryPause(int failures, std::chrono::milliseconds first,
                                     std::chrono::milliseconds longest) {
    std::chrono::milliseconds pause = first;
    for (int failure = 1; failure < failures && pause < longest; ++failure) pause *= 2;
    return std::min(pause, longest);
}

BackgroundSender::BackgroundSender(std::string historyPath, std::chrono::milliseconds idle,
                                   std::chrono::milliseconds firstRetry,
                                   std::chrono::milliseconds longestRetry,
                                   ServerDeadlines deadlines)
    : shared_(std::make_shared<Shared>(std::move(historyPath), deadlines)),
      thread_([shared = shared_, idle, firstRetry, longestRetry] {
          sendLoop(shared, idle, firstRetry, longestRetry);
      }) {}

BackgroundSender::~BackgroundSender() {
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->stop.raise();
    shared_->wakeUp.notify_all();
    if (shared_->wakeUp.wait_for(lock, kStopWait, [this] { return shared_->finished; })) {
        lock.unlock();
        thread_.join();
    } else {
        thread_.detach();
    }
}

void BackgroundSender::wake() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->woken = true;
    }
    shared_->wakeUp.notify_all();
}

ServerTrouble BackgroundSender::lastTrouble() {
    std::lock_guard lock(shared_->mutex);
    return shared_->lastTrouble;
}

long long BackgroundSender::sent() {
    std::lock_guard lock(shared_->mutex);
    return shared_->sent;
}

void BackgroundSender::sendLoop(const std::shared_ptr<Shared>& shared,
                                std::chrono::milliseconds idle,
                                std::chrono::milliseconds firstRetry,
                                std::chrono::milliseconds longestRetry) {
    int failures = 0;
    std::unique_lock lock(shared->mutex);
    while (!shared->stopping) {
        lock.unlock();
        const SendPass pass = shared->sender.sendWaiting();
        lock.lock();
        shared->sent += pass.sent;
        shared->lastTrouble = pass.trouble;
        failures = pass.trouble != ServerTrouble::None ? failures + 1 : 0;
        const auto pause = failures > 0 ? retryPause(failures, firstRetry, longestRetry) : idle;
        shared->wakeUp.wait_for(lock, pause, [&] { return shared->stopping || shared->woken; });
        shared->woken = false;
    }
    shared->finished = true;
    shared->wakeUp.notify_all();
}
