#include "sound/play_clip.h"

bool soundCuesOn(const WindowContext& window) { return window.state.soundMode == "0"; }

void playClip(WindowContext& window, std::int16_t id) {
    const auto bytes = window.services.resources.clip(id);
    window.state.soundBuffer.assign(bytes.begin(), bytes.end());
    window.services.sound.play(id, window.state.soundBuffer);
}
