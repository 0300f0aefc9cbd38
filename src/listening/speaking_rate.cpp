#include "listening/speaking_rate.h"

#include <algorithm>
#include <cmath>

int speakingRate(double secondsPerNumber) {
    const double pace =
        std::isnan(secondsPerNumber)
            ? kSlowestSecondsPerNumber
            : std::clamp(secondsPerNumber, kQuickestSecondsPerNumber, kSlowestSecondsPerNumber);
    const double slowness =
        (pace - kQuickestSecondsPerNumber) / (kSlowestSecondsPerNumber - kQuickestSecondsPerNumber);
    const double rate =
        kQuickestWordsPerMinute + slowness * (kSlowestWordsPerMinute - kQuickestWordsPerMinute);
    return static_cast<int>(std::lround(rate));
}
