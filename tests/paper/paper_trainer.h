#pragma once
// A started headless trainer that writes test papers from a fixed seed, for paper tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

// Random numbers from a seed that seeding from the clock leaves alone, so papers repeat.
class FixedSeedRandom : public RandomSource {
  public:
    float next() override { return generator_.next(); }
    void randomize() override {}
    void seed(std::uint32_t value) { generator_ = UniformRandom(value); }

  private:
    UniformRandom generator_{1};
};

class PaperTrainer : public ::testing::Test {
  protected:
    void SetUp() override { dispatch(window, Event{EventKind::Load, {}, -1, {}}); }

    void choose(const std::string& list, int index) {
        dispatch(window, Event{EventKind::Choose, list, index, {}});
    }
    void type(const std::string& box, const std::string& text) {
        dispatch(window, Event{EventKind::Type, box, -1, text});
    }
    // Clicks key `key` of the keypad.
    void pressMenuKey(int key) {
        dispatch(window, Event{EventKind::Click, "Command1(" + std::to_string(key) + ")", -1, {}});
    }

    FixedSeedRandom random;
    RecordingServices headless;
    FixedWidthMetrics metrics;
    WindowContext window{headless.bind(random, metrics, "/nonexistent-folder")};
    MainForm& form = window.form;
    TrainingState& state = window.state;
};
