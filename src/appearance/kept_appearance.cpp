#include "appearance/kept_appearance.h"

#include "appearance/colour_scheme.h"
#include "appearance/window_zoom.h"
#include "engine/text_number.h"

namespace {

// The history keeps these settings for the desktop's user, not for one learner.
const std::string kDesktopUser;
const std::string kColourSchemeSetting = "colourScheme";
const std::string kZoomSetting = "zoomPercent";

constexpr std::int16_t kFullSize = 100;

// The largest zoom step no larger than `wanted` that fits the screen, else 100.
std::int16_t fittingZoom(const WindowContext& window, double wanted) {
    std::int16_t chosen = kFullSize;
    for (const std::int16_t percent : kZoomSteps) {
        if (percent <= wanted && zoomFits(window, percent)) chosen = percent;
    }
    return chosen;
}

}  // namespace

void keepAppearance(WindowContext& window) {
    HistoryStore& history = window.services.history;
    // A choice that cannot be kept still holds for this session; nothing is worth a message.
    history.setSetting(kDesktopUser, kColourSchemeSetting, window.state.colourScheme);
    history.setSetting(kDesktopUser, kZoomSetting, std::to_string(window.state.zoomPercent));
}

void restoreAppearance(WindowContext& window) {
    HistoryStore& history = window.services.history;
    const std::optional<std::string> scheme = history.setting(kDesktopUser, kColourSchemeSetting);
    if (scheme)
        window.state.colourScheme = *scheme == kClearColours ? kClearColours : kDesignColours;
    const std::optional<std::string> zoom = history.setting(kDesktopUser, kZoomSetting);
    if (zoom) window.state.zoomPercent = fittingZoom(window, integerValueOf(*zoom));
}
