#include "headless/settable_clock.h"

#include <chrono>

namespace {

using namespace std::chrono;

// The first and last second a four-digit year can show.
constexpr sys_seconds kFirstMoment = sys_days{year{1} / January / 1};
constexpr sys_seconds kLastMoment =
    sys_days{year{9999} / December / 31} + hours{23} + minutes{59} + seconds{59};

sys_seconds momentOf(const LocalDateTime& moment) {
    const sys_days date =
        year_month_day{year{moment.year}, month{static_cast<unsigned>(moment.month)},
                       day{static_cast<unsigned>(moment.day)}};
    return date + hours{moment.hour} + minutes{moment.minute} + seconds{moment.second};
}

}  // namespace

SettableClock::SettableClock() : now_{2026, 9, 1, 8, 0, 0} {}

bool SettableClock::advance(long long secondsOn) {
    const sys_seconds from = momentOf(now_);
    if (secondsOn > (kLastMoment - from).count() || secondsOn < (kFirstMoment - from).count()) {
        return false;
    }
    const sys_seconds moment = from + seconds{secondsOn};
    const sys_days newDate = floor<days>(moment);
    const year_month_day ymd{newDate};
    const hh_mm_ss time{moment - newDate};
    now_ = {static_cast<int>(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
    return true;
}
