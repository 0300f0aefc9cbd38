#pragma once
// One headless trainer for the soak, set up exactly as abacus-replay sets up its own, so
// the soak's events written as a replay script lead to the same window.

#include <cstdint>

#include "headless/fixed_width_metrics.h"
#include "headless/recording_services.h"
#include "model/window_context.h"
#include "replay_session.h"
#include "soak_action.h"

class SoakWindow {
  public:
    // Loads the main window, then seeds its random numbers as a script's "seed N" does.
    explicit SoakWindow(std::uint32_t trainerSeed);
    SoakWindow(const SoakWindow&) = delete;
    SoakWindow& operator=(const SoakWindow&) = delete;

    // Does one action; a tick action runs its timer once. False when the clock refuses to
    // move that far, which changes nothing.
    bool perform(const SoakAction& action);

    const WindowContext& context() const { return window_; }
    const RecordingServices& services() const { return services_; }

  private:
    ReplayRandom random_;
    RecordingServices services_;
    FixedWidthMetrics metrics_;
    WindowContext window_;
};
