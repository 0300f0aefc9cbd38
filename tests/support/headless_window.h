#pragma once
// A trainer window with recording services and fixed-width metrics, for handler tests.

#include <memory>

#include "engine/uniform_random.h"
#include "sound/embedded_resources.h"
#include "ui/dispatch.h"
#include "ui/headless/fixed_width_metrics.h"
#include "ui/headless/recording_help_viewer.h"
#include "ui/headless/recording_sound_output.h"
#include "ui/headless/scripted_dialogs.h"
#include "ui/headless/settable_clock.h"

struct HeadlessWindow {
    explicit HeadlessWindow(std::string programFolder = "/nonexistent-folder")
        : window(Services{random, clock, sound, dialogs, helpViewer, metrics, resources,
                          std::move(programFolder)}) {}

    // Creates the main window as the program does at start.
    void load() { dispatch(window, Event{EventKind::Load, {}, -1, {}}); }
    void click(const std::string& name) { dispatch(window, Event{EventKind::Click, name, -1, {}}); }
    void choose(const std::string& name, int index) {
        dispatch(window, Event{EventKind::Choose, name, index, {}});
    }
    void type(const std::string& name, const std::string& text) {
        dispatch(window, Event{EventKind::Type, name, -1, text});
    }
    void tick(const std::string& name) { dispatch(window, Event{EventKind::Tick, name, -1, {}}); }
    void close() { dispatch(window, Event{EventKind::Close, {}, -1, {}}); }

    UniformRandom random{12345};
    SettableClock clock;
    RecordingSoundOutput sound;
    ScriptedDialogs dialogs;
    RecordingHelpViewer helpViewer;
    FixedWidthMetrics metrics;
    EmbeddedResources resources;
    WindowContext window;
};
