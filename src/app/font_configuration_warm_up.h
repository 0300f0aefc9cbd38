#pragma once
// Reads the system's font configuration on a thread of its own while the toolkit connects
// to the display, so that the first caption measured does not wait for it.

#include <thread>

class FontConfigurationWarmUp {
  public:
    // Starts reading the font configuration.
    FontConfigurationWarmUp();
    // Waits for the reading to end.
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    // Waits until the font configuration has been read; call it before the first text is
    // measured, so that the toolkit does not read it a second time beside this thread.
    void wait();

  private:
    std::thread reading_;
};
