#pragma once
// Dates and times of day written the way the desktop shows them.

#include <cstdint>
#include <string>

#include "model/services.h"

// The date as "2026-12-7".
std::string dateText(const LocalDateTime& moment);
// The time of day as "20:07:05" (hours without a leading zero).
std::string timeText(const LocalDateTime& moment);
// A time of day held as seconds after midnight, written as timeText writes it ("0:01:00").
std::string timeOfDayText(std::int32_t secondsAfterMidnight);
