#include "engine/date_time_display.h"

#include "engine/clock_text.h"

void Timer3_Timer(WindowContext& window) {
    const LocalDateTime now = window.services.clock.now();
    window.form.Label10.setCaption(dateText(now) + " " + timeText(now));
}
