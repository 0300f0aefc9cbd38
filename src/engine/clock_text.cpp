#include "engine/clock_text.h"

#include <cstdio>

std::string dateText(const LocalDateTime& moment) {
    return std::to_string(moment.year) + "-" + std::to_string(moment.month) + "-" +
           std::to_string(moment.day);
}

std::string timeText(const LocalDateTime& moment) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return text;
}

std::string timeOfDayText(std::int32_t secondsAfterMidnight) {
    LocalDateTime moment;
    moment.hour = secondsAfterMidnight / 3600;
    moment.minute = secondsAfterMidnight / 60 % 60;
    moment.second = secondsAfterMidnight % 60;
    return timeText(moment);
}
