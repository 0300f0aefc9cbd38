#pragma once
// The desktop's speech output, kept in the speech module so that the voice and its data are
// not mapped before anyone listens. The module is loaded on a thread of its own when the speech
// is first asked for; texts asked for before it is ready are read once it is, and nobody waits
// for it. Without the module nothing is read.

#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "model/services.h"

class ModuleSpeechOutput : public SpeechOutput {
  public:
    ModuleSpeechOutput() = default;
    // Waits for a load still under way.
    ~ModuleSpeechOutput() override;
    ModuleSpeechOutput(const ModuleSpeechOutput&) = delete;
    ModuleSpeechOutput& operator=(const ModuleSpeechOutput&) = delete;

    // Reads through the module's output, or keeps the text for it while it loads.
    int speak(const std::string& chinese, const std::string& pinyin, int wordsPerMinute) override;
    // True while the module is loading; then whatever its output says, and false without it.
    bool available() override;

  private:
    // One text asked for while the module loads.
    struct Waiting {
        std::string chinese;
        std::string pinyin;
        int wordsPerMinute = 0;
    };

    // Starts loading the module off this thread, once; the caller holds `mutex_`.
    void startLoading();
    // Takes the loaded output and reads what has waited for it.
    void takeOutput(std::unique_ptr<SpeechOutput> output);

    std::mutex mutex_;
    bool loadingStarted_ = false;
    bool loaded_ = false;
    std::vector<Waiting> waiting_;
    std::unique_ptr<SpeechOutput> output_;
    std::future<void> loading_;
};
