#pragma once
// The services of a window without a desktop: a settable clock, recorded sound, scripted
// message boxes, a recording help viewer, the built-in clips and a screen of fixed size. The random
// numbers and the text metrics are the caller's choice.

#include <string>
#include <utility>

#include "sound/embedded_resources.h"
#include "ui/headless/fixed_screen.h"
#include "ui/headless/recording_help_viewer.h"
#include "ui/headless/recording_sound_output.h"
#include "ui/headless/scripted_dialogs.h"
#include "ui/headless/settable_clock.h"

struct RecordingServices {
    // The services for a window drawing from `random`, measuring with `metrics` and looking
    // for its help file in `programFolder`.
    Services bind(RandomSource& random, const TextMetrics& metrics, std::string programFolder) {
        return Services{random,    clock,      sound,
                        dialogs,   helpViewer, metrics,
                        resources, screen,     std::move(programFolder)};
    }

    SettableClock clock;
    RecordingSoundOutput sound;
    ScriptedDialogs dialogs;
    RecordingHelpViewer helpViewer;
    EmbeddedResources resources;
    FixedScreen screen;
};
