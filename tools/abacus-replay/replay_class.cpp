#include "replay_class.h"

#include <algorithm>

#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/outbox_sender.h"

std::string replayJoin(const std::string& historyPath, const std::string& line) {
    return joinClass(historyPath, line).message;
}

void replaySync(const std::string& historyPath) {
    OutboxSender sender(historyPath);
    sender.sendWaiting();
}

std::vector<std::string> describeOutbox(const std::string& historyPath) {
    long long waiting = 0;
    if (!historyPath.empty()) {
        ClassOutbox outbox(historyPath);
        waiting = std::max(outbox.waiting(), 0LL);
    }
    return {"outbox " + std::to_string(waiting)};
}
