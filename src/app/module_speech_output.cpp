#include "module_speech_output.h"

#include <system_error>
#include <utility>

#include "desktop/services/trainer_modules.h"
#include "listening/alsa/speech_module_entry.h"
#include "model/speech_length.h"

namespace {

const QString kSpeechModule = QStringLiteral("abacus-speech");

// The module's speech output, or none when the module cannot be loaded.
std::unique_ptr<SpeechOutput> loadModuleOutput() {
    const auto make = reinterpret_cast<MakeSpeechOutput>(
        trainerModuleFunction(kSpeechModule, kMakeSpeechOutputFunction));
    return std::unique_ptr<SpeechOutput>(make != nullptr ? make() : nullptr);
}

}  // namespace

ModuleSpeechOutput::~ModuleSpeechOutput() {
    if (loading_.valid()) loading_.wait();
}

int ModuleSpeechOutput::speak(const std::string& chinese, const std::string& pinyin,
                              int wordsPerMinute) {
    const std::lock_guard lock(mutex_);
    startLoading();
    if (!loaded_) {
        waiting_.push_back({chinese, pinyin, wordsPerMinute});
    } else if (output_) {
        output_->speak(chinese, pinyin, wordsPerMinute);
    }
    return expectedSpeechMilliseconds(pinyin, wordsPerMinute);
}

bool ModuleSpeechOutput::available() {
    const std::lock_guard lock(mutex_);
    startLoading();
    if (!loaded_) return true;
    return output_ && output_->available();
}

void ModuleSpeechOutput::startLoading() {
    if (loadingStarted_) return;
    loadingStarted_ = true;
    try {
        loading_ = std::async(std::launch::async, [this] { takeOutput(loadModuleOutput()); });
    } catch (const std::system_error&) {
        loaded_ = true;
    }
}

void ModuleSpeechOutput::takeOutput(std::unique_ptr<SpeechOutput> output) {
    const std::lock_guard lock(mutex_);
    output_ = std::move(output);
    loaded_ = true;
    if (output_) {
        for (const Waiting& text : waiting_) {
            output_->speak(text.chinese, text.pinyin, text.wordsPerMinute);
        }
    }
    waiting_.clear();
}
