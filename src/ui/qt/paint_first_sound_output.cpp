#include "ui/qt/paint_first_sound_output.h"

#include "ui/qt/trainer_view.h"

void PaintFirstSoundOutput::play(std::int16_t clipId, std::span<const std::uint8_t> wave) {
    if (view_ != nullptr) view_->paintNow();
    output_.play(clipId, wave);
}
