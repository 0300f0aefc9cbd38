#include "history/stored_moment.h"

#include <cstdio>

std::pair<std::string, std::string> sortableMoment(const LocalDateTime& moment) {
    char date[16] = {};
    char time[16] = {};
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", moment.year, moment.month, moment.day);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return {date, time};
}
