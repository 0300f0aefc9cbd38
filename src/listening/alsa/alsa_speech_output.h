#pragma once
// The speech output of the real program: each text is rendered by the Mandarin voice and played
// through ALSA on a reading thread of its own, one text after the other, while the caller goes
// on at once. Any failure is silent. A device that stalls holds a reading no longer than its
// length and a short margin; while that device work is still stuck, further texts are dropped,
// and they are read again once the device recovers.

#include <atomic>
#include <memory>
#include <string>

#include "model/services.h"

struct SpeechQueue;

class AlsaSpeechOutput : public SpeechOutput {
  public:
    // Reads on the ALSA device `deviceName`, the desktop's default output unless told otherwise.
    explicit AlsaSpeechOutput(std::string deviceName = "default");
    // Tells the reading thread to end once it is free; waits for nothing.
    ~AlsaSpeechOutput() override;
    AlsaSpeechOutput(const AlsaSpeechOutput&) = delete;
    AlsaSpeechOutput& operator=(const AlsaSpeechOutput&) = delete;

    // Sets the voice up and reads the sound settings, then looks for the device for a moment;
    // a device that does not answer in that moment counts as found.
    void prepare();

    int speak(const std::string& chinese, const std::string& pinyin, int wordsPerMinute) override;
    // False when the voice cannot be set up or the device was looked for and is missing.
    bool available() override;

  private:
    std::string deviceName_;
    std::shared_ptr<SpeechQueue> queue_;  // shared with the reading thread
    std::atomic<bool> voiceReady_{true};
    std::atomic<bool> deviceMissing_{false};
};
