#include "ui/headless/settable_clock.h"

#include <chrono>

SettableClock::SettableClock() : now_{2026, 9, 1, 8, 0, 0} {}

void SettableClock::advance(long long seconds) {
    using namespace std::chrono;
    const sys_days date = year_month_day{year{now_.year}, month{static_cast<unsigned>(now_.month)},
                                         day{static_cast<unsigned>(now_.day)}};
    const sys_seconds moment = date + hours{now_.hour} + minutes{now_.minute} +
                               std::chrono::seconds{now_.second} + std::chrono::seconds{seconds};
    const sys_days newDate = floor<days>(moment);
    const year_month_day ymd{newDate};
    const hh_mm_ss time{moment - newDate};
    now_ = {static_cast<int>(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}
