#include "module_sound_output.h"

#include "desktop/services/trainer_modules.h"
#include "sound/alsa/sound_module_entry.h"

namespace {

const QString kSoundModule = QStringLiteral("abacus-sound");

// The module's sound output, or none when the module cannot be loaded.
std::unique_ptr<SoundOutput> loadModuleOutput() {
    const auto make = reinterpret_cast<MakeSoundOutput>(
        trainerModuleFunction(kSoundModule, kMakeSoundOutputFunction));
    return std::unique_ptr<SoundOutput>(make != nullptr ? make() : nullptr);
}

}  // namespace

ModuleSoundOutput::~ModuleSoundOutput() {
    if (loading_.valid()) loading_.wait();
}

void ModuleSoundOutput::startLoading() {
    if (loadingStarted_) return;
    loadingStarted_ = true;
    try {
        loading_ = std::async(std::launch::async, loadModuleOutput);
    } catch (const std::system_error&) {
        output_ = loadModuleOutput();
    }
}

void ModuleSoundOutput::play(std::int16_t clipId, std::span<const std::uint8_t> wave) {
    startLoading();
    if (loading_.valid()) output_ = loading_.get();
    if (output_) output_->play(clipId, wave);
}
