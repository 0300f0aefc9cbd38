#pragma once
// The sound output of the desktop: a clip holds the user-interface thread while it sounds, so
// before it starts the window is brought up to date and painted. The child sees what the
// handler has changed so far (a report, a wrong entry, a warning) while hearing the cue.

#include "model/services.h"

class TrainerView;

class PaintFirstSoundOutput : public SoundOutput {
  public:
    // Plays through `output`.
    explicit PaintFirstSoundOutput(SoundOutput& output) : output_(output) {}

    // The view painted before every clip; until it is given, clips play without painting.
    void paintBeforeClips(TrainerView& view) { view_ = &view; }

    void play(std::int16_t clipId, std::span<const std::uint8_t> wave) override;

  private:
    SoundOutput& output_;
    TrainerView* view_ = nullptr;
};
