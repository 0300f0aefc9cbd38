#pragma once
// A trainer window with recording services and fixed-width metrics, for handler tests.

#include <string>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

struct HeadlessWindow : RecordingServices {
    explicit HeadlessWindow(std::string programFolder = "/nonexistent-folder")
        : window(bind(random, metrics, std::move(programFolder))) {}

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
    FixedWidthMetrics metrics;
    WindowContext window;
};
