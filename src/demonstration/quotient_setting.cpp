#include "demonstration/quotient_setting.h"

#include "demonstration/demonstration_settings.h"

void showQuotientSetting(WindowContext& window, bool on) {
    Element& button = window.drill.Command10;
    button.visible = on;
    if (!on) return;
    const bool tries = learnerTriesQuotient(window, window.drillState.learner);
    button.setCaption(tries ? kTryQuotient : kDirectQuotient);
}

void drill_Command10_Click(WindowContext& window) {
    Element& button = window.drill.Command10;
    const bool tries = button.caption() != kTryQuotient;
    button.setCaption(tries ? kTryQuotient : kDirectQuotient);
    keepTriesQuotient(window, window.drillState.learner, tries);
}
