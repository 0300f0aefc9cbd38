#include "font_configuration_warm_up.h"

#include <fontconfig/fontconfig.h>

FontConfigurationWarmUp::FontConfigurationWarmUp() : reading_([] { FcInit(); }) {}

FontConfigurationWarmUp::~FontConfigurationWarmUp() { wait(); }

void FontConfigurationWarmUp::wait() {
    if (reading_.joinable()) reading_.join();
}
