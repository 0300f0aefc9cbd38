#include "input/key_click.h"

#include <cstdint>

#include "sound/play_clip.h"

namespace {

constexpr std::int16_t kKeyClickClip = 102;

}  // namespace

void playKeyClick(WindowContext& window) {
    if (soundCuesOn(window)) playClip(window, kKeyClickClip);
}
