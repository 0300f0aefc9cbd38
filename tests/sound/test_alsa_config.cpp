#include "test_alsa_config.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

// A fresh private folder under the system's temporary folder.
std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "alsa-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

// The settings of the default device.
std::string deviceSettings(DefaultDevice device, const std::filesystem::path& captureFile) {
    if (device == DefaultDevice::MissingCard) return "type hw\n    card 31\n";
    return "type file\n    slave.pcm { type null }\n    format \"wav\"\n    file \"" +
           captureFile.string() + "\"\n";
}

}  // namespace

TestAlsaConfig::TestAlsaConfig(DefaultDevice device) : folder_(makeTemporaryFolder()) {
    const std::filesystem::path config = folder_ / "asound.conf";
    std::ofstream(config) << "pcm.!default {\n    " << deviceSettings(device, captureFile())
                          << "}\n";
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
