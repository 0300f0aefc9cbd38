#pragma once
// Sends the outbox to the class server. A record goes with the id made where it was stored, and
// the server takes an id it already holds as done, so a record sent twice is kept once; a
// record leaves the outbox only after the server has committed it.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "history/class_server/pg_session.h"

// What one sending pass did.
struct SendPass {
    long long sent = 0;
    ServerTrouble trouble = ServerTrouble::None;
    std::string detail;  // the server's own words about the trouble
};

class OutboxSender {
  public:
    // Sends the outbox of the history file at `historyPath`, `batch` records a transaction.
    explicit OutboxSender(std::string historyPath, int batch = 200);
    ~OutboxSender();
    OutboxSender(const OutboxSender&) = delete;
    OutboxSender& operator=(const OutboxSender&) = delete;

    // Sends until nothing waits or the server cannot take more.
    SendPass sendWaiting();

  private:
    // Sends one batch; false when nothing waited or it failed.
    bool sendBatch(SendPass& pass);

    std::string historyPath_;
    int batch_;
    std::string line_;  // the line `session_` was opened with
    std::unique_ptr<PgSession> session_;
};

// Sends the outbox from a thread of its own, so nobody waits on the network: it looks every
// `idle` for new records (or at once when woken), and after a failure waits `firstRetry`,
// doubling each time up to `longestRetry`.
class BackgroundSender {
  public:
    BackgroundSender(std::string historyPath, std::chrono::milliseconds idle,
                     std::chrono::milliseconds firstRetry, std::chrono::milliseconds longestRetry);
    // Stops after the pass under way.
    ~BackgroundSender();
    BackgroundSender(const BackgroundSender&) = delete;
    BackgroundSender& operator=(const BackgroundSender&) = delete;

    // Looks for records at once (and tries again now after a failure).
    void wake();
    // The trouble of the last pass; None when it sent everything.
    ServerTrouble lastTrouble();
    // Records sent since the start.
    long long sent();

  private:
    void sendLoop();

    OutboxSender sender_;
    std::chrono::milliseconds idle_;
    std::chrono::milliseconds firstRetry_;
    std::chrono::milliseconds longestRetry_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    bool stopping_ = false;
    ServerTrouble lastTrouble_ = ServerTrouble::None;
    long long sent_ = 0;
    std::thread thread_;
};
