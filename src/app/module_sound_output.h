#pragma once
// The desktop's sound output, kept in the sound module so that the sound libraries are not
// mapped before the first paint. The module is loaded on a thread of its own once loading is
// started; a clip that comes earlier waits for it. Without the module every clip is silent.

#include <future>
#include <memory>

#include "model/services.h"

class ModuleSoundOutput : public SoundOutput {
  public:
    ModuleSoundOutput() = default;
    // Waits for a load still under way.
    ~ModuleSoundOutput() override;
    ModuleSoundOutput(const ModuleSoundOutput&) = delete;
    ModuleSoundOutput& operator=(const ModuleSoundOutput&) = delete;

    // Starts loading the module and readying its output off this thread; later calls do nothing.
    void startLoading();

    // Plays through the module's output, loading it first if nobody has started that yet.
    void play(std::int16_t clipId, std::span<const std::uint8_t> wave) override;

  private:
    bool loadingStarted_ = false;
    std::future<std::unique_ptr<SoundOutput>> loading_;
    std::unique_ptr<SoundOutput> output_;
};
