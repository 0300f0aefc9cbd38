#pragma once
// A private ALSA configuration for one test: its default device writes everything played as
// WAVE data into a file or into a named pipe (over the null device, so nothing is heard), or
// cannot be opened. ALSA_CONFIG_PATH points at it while the object lives.

#include <filesystem>
#include <optional>
#include <string>

enum class DefaultDevice {
    Capturing,    // records into captureFile()
    MissingCard,  // names a sound card no machine has
    Pipe,         // writes into pipeFile(), which stalls while nobody reads it
};

class TestAlsaConfig {
  public:
    explicit TestAlsaConfig(DefaultDevice device);
    ~TestAlsaConfig();
    TestAlsaConfig(const TestAlsaConfig&) = delete;
    TestAlsaConfig& operator=(const TestAlsaConfig&) = delete;

    std::filesystem::path captureFile() const { return folder_ / "captured.wav"; }
    std::filesystem::path pipeFile() const { return folder_ / "device.fifo"; }

  private:
    std::filesystem::path folder_;
    std::optional<std::string> previousPath_;
};
