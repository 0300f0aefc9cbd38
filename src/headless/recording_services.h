#pragma once
// The services of a window without a desktop: a settable clock, recorded sound, scripted
// message boxes, a recording help viewer, the built-in clips, a screen of fixed size, a history
// that keeps nothing until a file is opened into it, recorded menu windows and recorded speech. The
// random numbers and the text metrics are the caller's choice.

#include <string>
#include <utility>

#include "headless/embedded_resources.h"
#include "headless/fixed_screen.h"
#include "headless/recording_help_viewer.h"
#include "headless/recording_menu_windows.h"
#include "headless/recording_sound_output.h"
#include "headless/recording_speech_output.h"
#include "headless/scripted_dialogs.h"
#include "headless/settable_clock.h"

struct RecordingServices {
    // The services for a window drawing from `random`, measuring with `metrics` and looking
    // for its help file in `programFolder`.
    Services bind(RandomSource& random, const TextMetrics& metrics, std::string programFolder) {
        return Services{random,    clock,       sound,
                        dialogs,   helpViewer,  metrics,
                        resources, screen,      std::move(programFolder),
                        history,   menuWindows, speech};
    }

    SettableClock clock;
    RecordingSoundOutput sound;
    ScriptedDialogs dialogs;
    RecordingHelpViewer helpViewer;
    EmbeddedResources resources;
    FixedScreen screen;
    HistoryStoreSlot history;  // keeps nothing until a history file is opened into it
    RecordingMenuWindows menuWindows;
    RecordingSpeechOutput speech;
};
