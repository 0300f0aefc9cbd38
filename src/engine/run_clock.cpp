#include "engine/run_clock.h"

#include <cstdint>
#include <string>

#include "engine/clock_text.h"
#include "engine/text_number.h"

namespace {

constexpr std::int16_t kHoursPerDay = 24;

// Adds one second to the five digits of the run clock, carrying into minutes and hours.
void advanceOneSecond(TrainingState& state) {
    if (++state.clockSecUnits < 10) return;
    state.clockSecUnits = 0;
    if (++state.clockSecTens < 6) return;
    state.clockSecTens = 0;
    if (++state.clockMinUnits < 10) return;
    state.clockMinUnits = 0;
    if (++state.clockMinTens < 6) return;
    state.clockMinTens = 0;
    if (++state.clockHours < kHoursPerDay) return;
    state.clockHours = 0;
}

}  // namespace

void Timer1_Timer(WindowContext& window) {
    TrainingState& state = window.state;
    const auto second = static_cast<std::int16_t>(window.services.clock.now().second);
    if (state.lastClockSecond == second) return;
    state.lastClockSecond = second;
    advanceOneSecond(state);

    state.elapsedHours = state.clockHours;
    state.elapsedMinutes = static_cast<std::int16_t>(state.clockMinTens * 10 + state.clockMinUnits);
    state.elapsedSeconds = static_cast<std::int16_t>(state.clockSecTens * 10 + state.clockSecUnits);
    state.elapsedText = plainNumber(state.elapsedHours) + ":" + plainNumber(state.elapsedMinutes) +
                        ":" + plainNumber(state.elapsedSeconds);
    state.elapsedTime =
        (state.elapsedHours * 60 + state.elapsedMinutes) * 60 + state.elapsedSeconds;
    window.form.Label27.setCaption(timeOfDayText(state.elapsedTime));
}

void resetRunClock(TrainingState& state) {
    state.clockHours = 0;
    state.clockMinTens = 0;
    state.clockMinUnits = 0;
    state.clockSecTens = 0;
    state.clockSecUnits = 0;
}
