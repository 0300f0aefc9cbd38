#include "test_alsa_config.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

// A fresh private folder under the system's temporary folder.
std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "alsa-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

// The settings of a default device that writes into `target` over the null device.
std::string fileDeviceSettings(const std::filesystem::path& target) {
    return "type file\n    slave.pcm { type null }\n    format \"wav\"\n    file \"" +
           target.string() + "\"\n";
}

}  // namespace

TestAlsaConfig::TestAlsaConfig(DefaultDevice device) : folder_(makeTemporaryFolder()) {
    const std::filesystem::path config = folder_ / "asound.conf";
    std::string settings = "type hw\n    card 31\n";
    if (device == DefaultDevice::Capturing) settings = fileDeviceSettings(captureFile());
    if (device == DefaultDevice::Pipe) {
        mkfifo(pipeFile().c_str(), 0600);
        settings = fileDeviceSettings(pipeFile());
    }
    std::ofstream(config) << "pcm.!default {\n    " << settings << "}\n";
    if (const char* previous = std::getenv("ALSA_CONFIG_PATH")) previousPath_ = previous;
    setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
}

TestAlsaConfig::~TestAlsaConfig() {
    if (previousPath_) {
        setenv("ALSA_CONFIG_PATH", previousPath_->c_str(), 1);
    } else {
        unsetenv("ALSA_CONFIG_PATH");
    }
    std::filesystem::remove_all(folder_);
}
