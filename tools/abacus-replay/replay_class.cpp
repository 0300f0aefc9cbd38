#include "replay_class.h"

#include <algorithm>

#include "history/class_server/class_joining.h"
#include "history/class_server/class_outbox.h"
#include "history/class_server/outbox_sender.h"
#include "replay_history_printer.h"
#include "replay_printer.h"

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

std::vector<std::string> describeClassTable(const ClassTable& table) {
    std::vector<std::string> lines{"class " + std::to_string(table.rows.size())};
    for (const std::vector<std::string>& row : table.rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            line += (column == 0 ? "" : "\t") + oneLine(row[column]);
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> describeLearnerRecords(const LearnerRecords& records) {
    std::vector<std::string> lines =
        describeHistory(std::vector<StoredRun>(records.runs.rbegin(), records.runs.rend()));
    for (const auto& part : {describeBook(records.book), describeLevelTests(records.levelTests),
                             describeDrills(records.drills)}) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}
