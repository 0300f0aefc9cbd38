#include "drill/room_lines.h"

#include <chrono>

void writeLine(DrillForm& room, const std::string& line) {
    room.List1.addItem(line);
    room.List1.showLinesFrom(0);
}

void writeSetSummary(WindowContext& window, const std::string& tally) {
    const DrillState& drill = window.drillState;
    writeLine(window.drill,
              "共" + std::to_string(drill.chainNumber) + "题 " + tally + " 用时" +
                  std::to_string(secondsBetween(drill.setStart, window.services.clock.now())) +
                  "秒");
}

int secondsBetween(const LocalDateTime& earlier, const LocalDateTime& later) {
    using namespace std::chrono;
    const auto secondsOf = [](const LocalDateTime& moment) {
        const sys_days day{year{moment.year} / month{static_cast<unsigned>(moment.month)} /
                           std::chrono::day{static_cast<unsigned>(moment.day)}};
        return day.time_since_epoch().count() * 86400LL + moment.hour * 3600LL +
               moment.minute * 60LL + moment.second;
    };
    const long long seconds = secondsOf(later) - secondsOf(earlier);
    return seconds < 0 ? 0 : static_cast<int>(seconds);
}
