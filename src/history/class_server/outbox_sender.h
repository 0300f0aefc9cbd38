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

class ClassOutbox;
#include "history/class_server/stop_signal.h"

// What one sending pass did.
struct SendPass {
    long long sent = 0;
    ServerTrouble trouble = ServerTrouble::None;
    std::string detail;  // the server's own words about the trouble
};

class OutboxSender {
  public:
    // Sends the outbox of the history file at `historyPath`, `batch` records a transaction, each
    // wait on the server bounded by `deadlines` and ended at once by a raised `stop`.
    explicit OutboxSender(std::string historyPath, ServerDeadlines deadlines = {},
                          const StopSignal* stop = nullptr, int batch = 200);
    ~OutboxSender();
    OutboxSender(const OutboxSender&) = delete;
    OutboxSender& operator=(const OutboxSender&) = delete;

    // Sends until nothing waits or the server cannot take more.
    SendPass sendWaiting();

  private:
    // Sends one batch; false when nothing waited or it failed.
    bool sendBatch(SendPass& pass);
    // Opens a session with `line`, enrolling first when it is still a class's line; false when
    // the server cannot be used.
    bool openSession(ClassOutbox& outbox, const std::string& line);

    std::string historyPath_;
    ServerDeadlines deadlines_;
    const StopSignal* stop_;
    int batch_;
    std::string line_;  // the line `session_` was opened with
    std::unique_ptr<PgSession> session_;
};

// The pause after the `failures`th failure in a row (from 1): `first`, doubling with each
// failure, never longer than `longest`.
std::chrono::milliseconds retryPause(int failures, std::chrono::milliseconds first,
                                     std::chrono::milliseconds longest);

// Sends the outbox from a thread of its own, so nobody waits on the network: it looks every
// `idle` for new records (or at once when woken), and after failures pauses as retryPause says.
class BackgroundSender {
  public:
    BackgroundSender(std::string historyPath, std::chrono::milliseconds idle,
                     std::chrono::milliseconds firstRetry, std::chrono::milliseconds longestRetry,
                     ServerDeadlines deadlines = {});
    // Ends the wait under way on the server and stops; a thread held past `kStopWait` by
    // something else (a host name still being looked up) is left to end with the program.
    ~BackgroundSender();
    BackgroundSender(const BackgroundSender&) = delete;
    BackgroundSender& operator=(const BackgroundSender&) = delete;

    static constexpr std::chrono::milliseconds kStopWait{1500};

    // Looks for records at once (and tries again now after a failure).
    void wake();
    // The trouble of the last pass; None when it sent everything.
    ServerTrouble lastTrouble();
    // Records sent since the start.
    long long sent();

  private:
    // What the sending thread holds, kept alive by it too when it is left to end on its own.
    struct Shared {
        Shared(std::string historyPath, ServerDeadlines deadlines)
            : sender(std::move(historyPath), deadlines, &stop) {}
        StopSignal stop;
        OutboxSender sender;
        std::mutex mutex;
        std::condition_variable wakeUp;
        bool woken = false;
        bool stopping = false;
        bool finished = false;
        ServerTrouble lastTrouble = ServerTrouble::None;
        long long sent = 0;
    };

    static void sendLoop(const std::shared_ptr<Shared>& shared, std::chrono::milliseconds idle,
                         std::chrono::milliseconds firstRetry,
                         std::chrono::milliseconds longestRetry);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
