#include "appearance/window_zoom.h"

namespace {

constexpr int kTwipsPerHundredthPixel = 15 * 100;
constexpr std::int16_t kFullSize = 100;

// True when the window's client area at `percent` fits the room.
bool fitsRoom(const Element& mainWindow, const ScreenRoom& room, int percent) {
    return mainWindow.width * percent <= room.width * kTwipsPerHundredthPixel &&
           mainWindow.height * percent <= room.height * kTwipsPerHundredthPixel;
}

}  // namespace

bool zoomFits(const WindowContext& window, int percent) {
    return fitsRoom(window.form.Form1_main, window.services.screen.availableRoom(), percent);
}

void stepZoom(WindowContext& window) {
    TrainingState& state = window.state;
    const ScreenRoom room = window.services.screen.availableRoom();
    std::int16_t next = kFullSize;
    for (const std::int16_t percent : kZoomSteps) {
        if (percent > state.zoomPercent && fitsRoom(window.form.Form1_main, room, percent)) {
            next = percent;
            break;
        }
    }
    state.zoomPercent = next;
}

void zoomIn(WindowContext& window) {
    TrainingState& state = window.state;
    const ScreenRoom room = window.services.screen.availableRoom();
    for (const std::int16_t percent : kZoomSteps) {
        if (percent > state.zoomPercent && fitsRoom(window.form.Form1_main, room, percent)) {
            state.zoomPercent = percent;
            return;
        }
    }
}

void zoomOut(WindowContext& window) {
    TrainingState& state = window.state;
    std::int16_t next = kFullSize;
    for (const std::int16_t percent : kZoomSteps) {
        if (percent < state.zoomPercent) next = percent;
    }
    state.zoomPercent = next;
}
