#pragma once
// A started headless trainer whose random numbers come from a source the test chooses, and
// two such sources: a script of values and a counting seeded generator.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>

#include "engine/uniform_random.h"
#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "ui/dispatch.h"

// Hands out scripted values in order and counts the seedings from the clock.
class ScriptedRandom : public RandomSource {
  public:
    void script(std::initializer_list<float> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    float next() override {
        if (values_.empty()) {
            ADD_FAILURE() << "more random numbers asked for than scripted";
            return 0;
        }
        const float value = values_.front();
        values_.pop_front();
        return value;
    }
    void randomize() override { ++seedings; }
    std::size_t unused() const { return values_.size(); }

    int seedings = 0;

  private:
    std::deque<float> values_;
};

// A seeded generator that counts the numbers drawn from it.
class CountingRandom : public RandomSource {
  public:
    float next() override {
        ++drawn;
        return generator.next();
    }
    void randomize() override { generator.randomize(); }

    UniformRandom generator{2024};
    std::uint64_t drawn = 0;
};

// The value Rnd must take for Int(Rnd × 10^digits) to give `number`.
inline float rndFor(int number, int digits) {
    double power = 1;
    for (int i = 0; i < digits; ++i) power *= 10;
    return static_cast<float>((number + 0.5) / power);
}

template <typename Random>
class TrainerWith : public ::testing::Test {
  protected:
    void SetUp() override { dispatch(window, Event{EventKind::Load, {}, -1, {}}); }

    Random random;
    RecordingServices headless;
    FixedWidthMetrics metrics;
    WindowContext window{headless.bind(random, metrics, "/nonexistent-folder")};
    MainForm& form = window.form;
    TrainingState& state = window.state;
};
