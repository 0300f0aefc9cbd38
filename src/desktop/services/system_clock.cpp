#include "desktop/services/system_clock.h"

#include <QDateTime>

LocalDateTime SystemClock::now() const {
    const QDateTime moment = QDateTime::currentDateTime();
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}
