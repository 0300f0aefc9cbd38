#pragma once
// SIGTERM and SIGHUP (a desktop logging out, a system shutting down) close the trainer as its
// window's close does: the handler only writes a byte into a pipe, and the window's thread reads
// it and quits, so what the history still queues is journaled on the way out.

#include <QSocketNotifier>
#include <functional>
#include <memory>

class TerminationSignals {
  public:
    // Calls `terminated` on the window's thread once one of the signals has come.
    explicit TerminationSignals(std::function<void()> terminated);
    // Gives the signals back their default handling.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    std::function<void()> terminated_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
