#pragma once
// The class server's sender, kept in its module: loaded on a thread of its own once the history
// is open (the trainer waits a few seconds more), so nobody waits for libpq or the network. Without
// the module the outbox simply keeps its records.

#include <future>
#include <memory>
#include <string>

#include "history/class_server/class_sender_module.h"

class ModuleClassSender {
  public:
    ModuleClassSender() = default;
    // Waits for a load still under way, then stops the sender.
    ~ModuleClassSender();
    ModuleClassSender(const ModuleClassSender&) = delete;
    ModuleClassSender& operator=(const ModuleClassSender&) = delete;

    // Loads the module off this thread and starts sending the outbox of `historyPath`; once.
    void start(const std::string& historyPath);

  private:
    std::future<std::unique_ptr<ClassSending>> loading_;
};
