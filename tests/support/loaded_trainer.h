#pragma once
// A test fixture holding a headless trainer that has gone through start-up.

#include <gtest/gtest.h>

#include "support/headless_window.h"

class LoadedTrainer : public ::testing::Test {
  protected:
    void SetUp() override { trainer.load(); }

    HeadlessWindow trainer;
    MainForm& form = trainer.window.form;
    TrainingState& state = trainer.window.state;
    HelpForm& about = trainer.window.help;
};
