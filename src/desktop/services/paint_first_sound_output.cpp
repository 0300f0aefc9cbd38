#include "desktop/services/paint_first_sound_output.h"

#include "desktop/form/trainer_view.h"

void PaintFirstSoundOutput::play(std::int16_t clipId, std::span<const std::uint8_t> wave) {
    if (view_ != nullptr) view_->paintNow();
    output_.play(clipId, wave);
}
